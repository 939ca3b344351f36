#include "WrapTabBarAccessible.h"

#include "WrapTabBar.h"

WrapTabBarAccessible::WrapTabBarAccessible(WrapTabBar* bar)
    : AccessibleControl(bar, QAccessible::PageTabList) {
}

QAccessibleInterface* WrapTabBarAccessible::childAt(int x, int y) const {
    return child(control()->tabAt(control()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* WrapTabBarAccessible::focusChild() const {
    return control()->hasFocus() ? child(control()->currentIndex()) : nullptr;
}

QString WrapTabBarAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        if (QAccessibleInterface* chosen = child(control()->currentIndex()))
            return chosen->text(QAccessible::Name);
    }
    return QAccessibleWidget::text(kind);
}
