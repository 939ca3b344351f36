#pragma once

#include <QObject>

class QListWidget;

// Lays a list's lines in columns as a multi-column list box does: the lines run top to bottom
// and wrap into the next column, each column being the list's width divided by the column count;
// lines that do not fit scroll sideways. The columns follow the list's width and font.
class ListColumns : public QObject {
    Q_OBJECT

public:
    // 0 makes the list a plain one-column list again.
    static void set(QListWidget* list, int columns);
    // 0 for a list that was never given columns.
    static int of(const QListWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ListColumns(QListWidget* list);
    void apply();

    QListWidget* m_list;
    QObject* m_viewport;
    int m_columns = 0;
};
