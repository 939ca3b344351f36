#include "MenuBuilder.h"

#include "Guard.h"
#include "MainForm.h"
#include "MenuHintStyle.h"
#include "MenuImages.h"
#include "MenuKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <vector>

MenuBuilder::MenuBuilder(TfrmMain& window, MenuKeys& keys)
    : m_window(window)
    , m_keys(keys) {
}

QString MenuBuilder::itemText(const MenuLine& line) {
    QString text = QString::fromUtf8(line.caption);
    if (*line.key)
        text += QLatin1Char('\t') + QString::fromUtf8(line.key);
    return text;
}

namespace {

// Every command runs inside the error guard, so nothing it raises crosses Qt's event loop.
std::function<void()> guarded(TfrmMain* window, MenuLine::Command command) {
    return [window, command] {
        runGuarded([window, command] { (window->*command)(); });
    };
}

} // namespace

QAction* MenuBuilder::makeItem(const MenuLine& line) {
    auto* action = new QAction(itemText(line), &m_window);
    const QString hint = QString::fromUtf8(line.hint);
    if (!hint.isEmpty()) {
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    action->setIcon(MenuImages::menuImage(line.image));
    action->setEnabled(!line.has(MenuLine::Disabled));
    action->setCheckable(line.has(MenuLine::Checkable));
    action->setChecked(line.has(MenuLine::Checked));
    if (line.has(MenuLine::Radio)) {
        if (!m_radioGroup) {
            m_radioGroup = new QActionGroup(&m_window);
            m_radioGroup->setExclusive(true);
        }
        m_radioGroup->addAction(action);
    }
    if (line.command) {
        QObject::connect(action, &QAction::triggered, &m_window, guarded(&m_window, line.command));
    }
    return action;
}

void MenuBuilder::build(std::span<const MenuLine> table, QMenuBar* bar) {
    // The menus open at each level above the current line, and their menu actions.
    std::vector<QMenu*> menus;
    QMenu* topMenu = nullptr;
    MenuLine::Command topOpens = nullptr;

    for (std::size_t i = 0; i < table.size(); ++i) {
        const MenuLine& line = table[i];
        menus.resize(static_cast<std::size_t>(line.level));
        QMenu* parent = menus.empty() ? nullptr : menus.back();
        const QString name = QString::fromUtf8(line.name);
        QAction* action = nullptr;

        if (MainMenuTable::opensMenu(table, i)) {
            auto* menu = new QMenu(QString::fromUtf8(line.caption),
                                   parent ? static_cast<QWidget*>(parent) : &m_window);
            menu->setObjectName(name);
            menu->setStyle(MenuHintStyle::instance());
            action = menu->menuAction();
            const QString hint = QString::fromUtf8(line.hint);
            action->setStatusTip(hint);
            action->setEnabled(!line.has(MenuLine::Disabled));
            if (line.level == 0) {
                topMenu = menu;
                topOpens = line.command;
                if (bar)
                    bar->addMenu(menu);
                if (line.menu)
                    m_window.*line.menu = menu;
                if (line.command)
                    QObject::connect(menu, &QMenu::aboutToShow, &m_window,
                                     guarded(&m_window, line.command));
            } else {
                parent->addMenu(menu);
                if (line.action)
                    m_window.*line.action = action;
            }
            // There is no "menu changed" notification: the rules are recomputed as any opens.
            QObject::connect(menu, &QMenu::aboutToShow, &m_window,
                             guarded(&m_window, &TfrmMain::MainMenuChange));
            QObject::connect(menu, &QMenu::aboutToShow, &m_window,
                             guarded(&m_window, &TfrmMain::PopupMenu1Change));
            menus.push_back(menu);
        } else if (line.isSeparator()) {
            action = parent->addSeparator();
        } else {
            action = makeItem(line);
            parent->addAction(action);
            if (line.action)
                m_window.*line.action = action;
            if (*line.key) {
                MenuKeys::Binding binding;
                binding.item = action;
                for (auto above = menus.rbegin(); above != menus.rend(); ++above)
                    binding.menusAbove.append((*above)->menuAction());
                binding.topMenu = topMenu;
                binding.popup = bar == nullptr;
                binding.hasCommand = line.command != nullptr;
                if (topOpens && !binding.popup)
                    binding.beforeKey = guarded(&m_window, topOpens);
                m_keys.bind(QString::fromUtf8(line.key), binding);
            }
        }
        action->setObjectName(name);
        m_actions.insert(name, action);
    }
}
