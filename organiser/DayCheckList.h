#pragma once

#include <QListWidget>

// A check list of days whose lines the user may be kept from ticking. Such a line has no check
// box of its own to click and is drawn as disabled, but it stays selectable, so that a click
// still reaches it; assistive tools are told that it cannot be ticked (DayCheckListAccessible).
class DayCheckList : public QListWidget {
    Q_OBJECT

public:
    explicit DayCheckList(QWidget* parent = nullptr);

    bool isLineEnabled(int line) const;
    void setLineEnabled(int line, bool enabled);
};
