#include "DayCheckListAccessible.h"

#include "DayCheckList.h"

DayCheckListAccessible::DayCheckListAccessible(DayCheckList* list)
    : AccessibleControl(list, QAccessible::List) {
}

QAccessibleInterface* DayCheckListAccessible::childAt(int x, int y) const {
    const QPoint inViewport = control()->viewport()->mapFromGlobal(QPoint(x, y));
    return child(control()->row(control()->itemAt(inViewport)));
}

QAccessibleInterface* DayCheckListAccessible::focusChild() const {
    return control()->hasFocus() ? child(control()->currentRow()) : nullptr;
}
