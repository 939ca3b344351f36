#include "MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {

// The list keys by the key event, as the menus name them; empty for any other key.
QString listKeyOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return {};
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("Enter");
    case Qt::Key_Delete:
        return QStringLiteral("Del");
    case Qt::Key_Space:
        return QStringLiteral("Space");
    default:
        return {};
    }
}

} // namespace

MenuKeys::MenuKeys(QWidget* window, RefreshRules refreshRules, PopupOf popupOf)
    : QObject(window)
    , m_window(window)
    , m_refreshRules(std::move(refreshRules))
    , m_popupOf(std::move(popupOf)) {
}

bool MenuKeys::isListKey(const QString& key) {
    return key == QLatin1String("Enter") || key == QLatin1String("Del") ||
           key == QLatin1String("Space");
}

void MenuKeys::bind(const QString& key, const Binding& binding) {
    if (!m_bindings.contains(key))
        m_keys.append(key);
    m_bindings[key].append(binding);
}

void MenuKeys::activate(const QList<QWidget*>& lists) {
    for (const QString& key : std::as_const(m_keys)) {
        if (isListKey(key))
            continue;
        auto* shortcut = new QShortcut(QKeySequence::fromString(key, QKeySequence::PortableText),
                                       m_window, nullptr, nullptr, Qt::WindowShortcut);
        shortcut->setObjectName(key);
        connect(shortcut, &QShortcut::activated, this,
                [this, key] { dispatch(key, QApplication::focusWidget()); });
    }
    m_lists = lists;
    for (QWidget* list : lists)
        list->installEventFilter(this);
}

bool MenuKeys::mayAct(const Binding& binding) {
    return binding.item->isEnabled() &&
           std::all_of(binding.menusAbove.begin(), binding.menusAbove.end(),
                       [](const QAction* menu) { return menu->isEnabled(); });
}

bool MenuKeys::dispatch(const QString& key, QWidget* focus) {
    const auto found = m_bindings.constFind(key);
    if (found == m_bindings.constEnd())
        return false;
    m_refreshRules();
    QMenu* focusPopup = m_popupOf(focus);
    QList<QMenu*> opened;
    for (const Binding& binding : *found) {
        if (!binding.hasCommand)
            continue;
        if (binding.popup) {
            if (binding.topMenu != focusPopup)
                continue;
        } else if (binding.beforeKey && !opened.contains(binding.topMenu)) {
            // The menu's opening rule runs before any key of an item below it.
            opened.append(binding.topMenu);
            binding.beforeKey();
        }
        if (!mayAct(binding))
            continue;
        binding.item->trigger();
        return true;
    }
    return false;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && list && m_lists.contains(list)) {
        const QString key = listKeyOf(static_cast<QKeyEvent*>(event));
        if (!key.isEmpty() && dispatch(key, list))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
