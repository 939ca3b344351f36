#pragma once

#include "AccessiblePart.h"

class DayCheckList;

// One line of a day check list, for assistive tools: its text, its tick, whether it is chosen and
// whether it can be ticked at all: a line the user may not tick is reported disabled and not
// checkable. Its action "Toggle" chooses the line as a click does, greyed or not.
class DayLineAccessible : public AccessiblePart<DayCheckList> {
public:
    using AccessiblePart::AccessiblePart;
    QAccessible::Role role() const override { return QAccessible::ListItem; }

protected:
    QString name() const override;
    QRect placeOnScreen() const override;
    QAccessible::State partState() const override;
    QString actionName() const override { return toggleAction(); }
    void act() override;
};
