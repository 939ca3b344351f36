#pragma once

#include "AccessibleControl.h"
#include "DayLineAccessible.h"

class DayCheckList;

// What assistive tools learn of a day check list: a list whose lines are list items, as Qt's own
// list tells them, and besides that which lines cannot be ticked (DayLineAccessible).
class DayCheckListAccessible : public AccessibleControl<DayCheckList, DayLineAccessible> {
public:
    explicit DayCheckListAccessible(DayCheckList* list);

    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
};
