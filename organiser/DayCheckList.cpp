#include "DayCheckList.h"

#include "AccessibleFactory.h"

#include <QAccessible>
#include <QStyledItemDelegate>

namespace {

constexpr Qt::ItemFlags EnabledLine =
    Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
// Qt's own disabled line would take no click at all.
constexpr Qt::ItemFlags DisabledLine = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

class DayLineLook : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.flags().testFlag(Qt::ItemIsUserCheckable))
            option->state &= ~QStyle::State_Enabled;
    }
};

} // namespace

DayCheckList::DayCheckList(QWidget* parent)
    : QListWidget(parent) {
    installAccessibleFactory();
    setItemDelegate(new DayLineLook(this));
}

bool DayCheckList::isLineEnabled(int line) const {
    return item(line)->flags().testFlag(Qt::ItemIsUserCheckable);
}

void DayCheckList::setLineEnabled(int line, bool enabled) {
    if (item(line)->flags() == (enabled ? EnabledLine : DisabledLine))
        return;
    item(line)->setFlags(enabled ? EnabledLine : DisabledLine);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.disabled = true;
        changed.checkable = true;
        QAccessibleStateChangeEvent event(this, changed);
        event.setChild(line);
        QAccessible::updateAccessibility(&event);
    }
}
