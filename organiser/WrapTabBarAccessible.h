#pragma once

#include "AccessibleControl.h"
#include "WrapTabAccessible.h"

class WrapTabBar;

// What assistive tools learn of the wrapping tab strip: what Qt's own tab bar tells them, a page
// tab list whose children are the page tabs (WrapTabAccessible).
class WrapTabBarAccessible : public AccessibleControl<WrapTabBar, WrapTabAccessible> {
public:
    explicit WrapTabBarAccessible(WrapTabBar* bar);

    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    // The strip is named after its chosen tab.
    QString text(QAccessible::Text kind) const override;
};
