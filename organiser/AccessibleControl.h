#pragma once

#include <QAccessibleWidget>
#include <QHash>

// A control that draws parts of its own (page tabs, lines), for assistive tools: its children are
// its count() parts, each told by a Part made for the control and the part's index. Assistive
// tools hold on to a part by the identity the accessibility layer gives it, so each index keeps
// its interface as long as the control's.
template <typename Control, typename Part> class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(Control* control, QAccessible::Role role)
        : QAccessibleWidget(control, role) {}
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    ~AccessibleControl() override {
        for (const QAccessible::Id id : std::as_const(m_parts))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return control()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const QAccessible::Id id = m_parts.value(index))
            return QAccessible::accessibleInterface(id);
        auto* part = new Part(control(), index);
        m_parts.insert(index, QAccessible::registerAccessibleInterface(part));
        return part;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        return m_parts.key(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)), -1);
    }

protected:
    Control* control() const { return static_cast<Control*>(widget()); }

private:
    mutable QHash<int, QAccessible::Id> m_parts;
};
