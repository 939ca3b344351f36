#pragma once

#include <QAccessibleInterface>
#include <QPointer>

// A part of a control that is no widget of its own (a page tab, a line of a list), for assistive
// tools: the part at an index of its control, which has count() parts. It has no children, its
// texts are not edited through it, and it has one action of its own.
template <typename Control>
class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessiblePart(Control* control, int index)
        : m_control(control)
        , m_index(index) {}

    bool isValid() const override { return m_control && m_index < m_control->count(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_control.data());
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // A part whose control is gone tells nothing and does nothing.
    QString text(QAccessible::Text kind) const override {
        return isValid() && kind == QAccessible::Name ? name() : QString();
    }
    QRect rect() const override { return isValid() ? placeOnScreen() : QRect(); }
    QAccessible::State state() const override {
        if (isValid())
            return partState();
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    QStringList actionNames() const override { return {actionName()}; }
    void doAction(const QString& action) override {
        if (isValid() && m_control->isEnabled() && action == actionName())
            act();
    }

protected:
    Control* control() const { return m_control.data(); }
    int index() const { return m_index; }

    // What the part is, while its control has it.
    virtual QString name() const = 0;
    virtual QRect placeOnScreen() const = 0;
    virtual QAccessible::State partState() const = 0;
    // The part's one action, and what it does while the control is enabled.
    virtual QString actionName() const = 0;
    virtual void act() = 0;

private:
    QPointer<Control> m_control;
    int m_index;
};
