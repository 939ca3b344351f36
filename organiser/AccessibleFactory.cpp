#include "AccessibleFactory.h"

#include "DayCheckList.h"
#include "DayCheckListAccessible.h"
#include "WrapTabBar.h"
#include "WrapTabBarAccessible.h"

#include <QAccessible>

namespace {

QAccessibleInterface* ownInterface(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<WrapTabBar*>(object))
        return new WrapTabBarAccessible(bar);
    if (auto* list = qobject_cast<DayCheckList*>(object))
        return new DayCheckListAccessible(list);
    return nullptr;
}

} // namespace

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(ownInterface);
        return true;
    }();
    (void)installed;
}
