#include "DayLineAccessible.h"

#include "DayCheckList.h"

QString DayLineAccessible::name() const {
    return control()->item(index())->text();
}

QRect DayLineAccessible::placeOnScreen() const {
    const QRect line = control()->visualItemRect(control()->item(index()));
    return line.translated(control()->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State DayLineAccessible::partState() const {
    const DayCheckList* list = control();
    const QListWidgetItem* line = list->item(index());
    QAccessible::State state;
    state.invisible =
        !list->isVisible() || !list->viewport()->rect().intersects(list->visualItemRect(line));
    state.disabled = !list->isEnabled() || !list->isLineEnabled(index());
    state.checkable = !state.disabled;
    state.checked = line->checkState() == Qt::Checked;
    state.selectable = true;
    state.focusable = true;
    state.selected = line->isSelected();
    state.focused = list->currentRow() == index() && list->hasFocus();
    return state;
}

void DayLineAccessible::act() {
    control()->setCurrentRow(index());
}
