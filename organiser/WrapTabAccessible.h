#pragma once

#include "AccessiblePart.h"

class WrapTabBar;

// One page tab of the wrapping tab strip, for assistive tools: its caption without the "&" that
// marks its key, whether it is the chosen one and has the keyboard, and "Press", which chooses
// its page as a click does.
class WrapTabAccessible : public AccessiblePart<WrapTabBar> {
public:
    using AccessiblePart::AccessiblePart;
    QAccessible::Role role() const override { return QAccessible::PageTab; }

protected:
    QString name() const override;
    QRect placeOnScreen() const override;
    QAccessible::State partState() const override;
    QString actionName() const override { return pressAction(); }
    void act() override;
};
