// The main window's menus and pop-up menus, their keys, the enabling rules and page switching.
#include "MainForm.h"

#include "Guard.h"
#include "MainMenuTable.h"
#include "MenuBuilder.h"
#include "MenuKeys.h"
#include "MenuRules.h"
#include "ReminderGrid.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolButton>

namespace {

using Command = void (TfrmMain::*)();

// A handler of a notification, run inside the error guard.
auto guarded(TfrmMain* window, Command command) {
    return [window, command] {
        runGuarded([window, command] { (window->*command)(); });
    };
}

} // namespace

void TfrmMain::createMenus() {
    m_keys = new MenuKeys(
        this, [this] { refreshMenuRules(); }, [this](QWidget* widget) { return popupOf(widget); });
    MenuBuilder builder(*this, *m_keys);
    builder.build(MainMenuTable::mainMenu(), tbMenu);
    builder.build(MainMenuTable::popupMenus(), nullptr);
    m_actions = builder.actions();
    // Separators around items that the help rules hide must not pile up.
    HelpMenu->setSeparatorsCollapsible(true);
}

QAction* TfrmMain::action(const QString& name) const {
    return m_actions.value(name);
}

void TfrmMain::attachPopupMenus() {
    const auto attach = [this](QWidget* widget, QMenu* popup) {
        m_popups.insert(widget, popup);
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, popup,
                [widget, popup](const QPoint& pos) {
                    // A scroll area reports the position in its viewport.
                    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
                    popup->popup((area ? area->viewport() : widget)->mapToGlobal(pos));
                });
    };
    for (QWidget* list : {clbIdopont, clbFeladat, clbFeljegyzes})
        attach(list, PopupMenu1);
    attach(tZimpa, PopupMenu2);
    for (QWidget* list : {lbNevnap, lbUnnep})
        attach(list, PopupMenu3);
    attach(mZimpa, PopupMenu4);
    m_keys->activate({clbIdopont, clbFeladat, clbFeljegyzes, lbNevnap, lbUnnep});
}

QMenu* TfrmMain::popupOf(QWidget* widget) const {
    for (; widget; widget = widget->parentWidget()) {
        if (QMenu* popup = m_popups.value(widget))
            return popup;
    }
    return nullptr;
}

void TfrmMain::connectRules() {
    const std::pair<QListWidget*, Command> reminderLists[] = {
        {clbIdopont, &TfrmMain::clbIdopontClick},
        {clbFeladat, &TfrmMain::clbFeladatClick},
        {clbFeljegyzes, &TfrmMain::clbFeljegyzesClick},
    };
    // Qt's click is the mouse's alone; a selection moved by the keys counts as a click too.
    for (const auto& [list, click] : reminderLists)
        connect(list, &QListWidget::itemSelectionChanged, this, guarded(this, click));

    // Qt tells no "menu changed": the menu rules run whenever what they read changes.
    const auto refresh = [this] {
        m_ruleRefresh.request();
    };
    for (QListWidget* list : {clbIdopont, clbFeladat, clbFeljegyzes, lbNevnap, lbUnnep}) {
        connect(list, &QListWidget::itemSelectionChanged, this, refresh);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, refresh);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, refresh);
        connect(list->model(), &QAbstractItemModel::modelReset, this, refresh);
    }
    connect(tZimpa->model(), &QAbstractItemModel::rowsInserted, this, refresh);
    connect(tZimpa->model(), &QAbstractItemModel::rowsRemoved, this, refresh);

    connect(PageControl, &WrapTabWidget::currentChanged, this, [this] {
        if (!m_pageSwitchSilenced)
            runGuarded([this] { PageControlChange(); });
        m_ruleRefresh.request();
    });
}

void TfrmMain::setActivePageSilently(int index) {
    m_pageSwitchSilenced = true;
    PageControl->setCurrentIndex(index);
    m_pageSwitchSilenced = false;
}

ListsState TfrmMain::listsState() const {
    ListsState state;
    state.page = PageControl->currentIndex();
    const QListWidget* lists[KindCount] = {clbIdopont, clbFeladat, clbFeljegyzes, lbNevnap,
                                           lbUnnep};
    for (int kind = 0; kind < KindCount; ++kind) {
        state.selected[kind] = GetSelected(lists[kind]) >= 0;
        state.nonEmpty[kind] = GetSize(lists[kind]) >= 0;
    }
    state.gridRows = tZimpa->rowCount();
    return state;
}

void TfrmMain::runRulesGuarded() {
    runGuarded([this] { refreshMenuRules(); });
}

void TfrmMain::refreshMenuRules() {
    MainMenuChange();
    PopupMenu1Change();
}

void TfrmMain::MainMenuChange() {
    const ListsState state = listsState();
    mFile_Print->setEnabled(MenuRules::printItem(state));
    const bool appointmentsOrTasks = MenuRules::appointmentOrTaskCommands(state);
    mEdit_SubMenu1_Delete->setEnabled(appointmentsOrTasks);
    mEdit_SubMenu1_Load->setEnabled(appointmentsOrTasks);
    mEdit_SubMenu1_View->setEnabled(appointmentsOrTasks);
    mEdit_SubMenu1_DeleteRow->setEnabled(MenuRules::deleteRow(state));
}

void TfrmMain::PopupMenu1Change() {
    const bool commands = MenuRules::listPopupCommands(listsState());
    PopupMenu1_Delete->setEnabled(commands);
    PopupMenu1_View->setEnabled(commands);
    PopupMenu1_Display->setEnabled(commands);
}

void TfrmMain::FileMenuClick() {
    mFile_Export->setEnabled(MenuRules::exportMenu(listsState()));
}

void TfrmMain::EditMenuClick() {
    const ListsState state = listsState();
    mEdit_SubMenu1->setEnabled(MenuRules::editSubMenu1(state));
    mEdit_SubMenu2->setEnabled(MenuRules::editSubMenu2(state));
    mEdit_SubMenu3->setEnabled(MenuRules::editSubMenu3(state));
}

void TfrmMain::printButtonRule() {
    ToolButton4->setEnabled(MenuRules::printButton(listsState()));
}

void TfrmMain::clbIdopontClick() {
    printButtonRule();
}

void TfrmMain::clbFeladatClick() {
    printButtonRule();
}

void TfrmMain::clbFeljegyzesClick() {
    printButtonRule();
}

void TfrmMain::PageControlChange() {
    RefreshNevnapUnnepLists();
    const int page = PageControl->currentIndex();
    showEditorOf(page);
    printButtonRule();
    // Once a reminder was loaded, its body stays in the editor whatever page is shown.
    if (LoadedTitle.isEmpty() && page >= 0 && page <= static_cast<int>(Kind::Feljegyzes))
        LoadTemplate(static_cast<std::uint8_t>(page));
}
