#include "MainMenuTable.h"
#include "MainWindowFixture.h"

#include <QMenuBar>
#include <QSet>
#include <QToolButton>

namespace {

QString captionOf(const QAction* item) {
    return item->text().section(QLatin1Char('\t'), 0, 0);
}

QString keyOf(const QAction* item) {
    return item->text().section(QLatin1Char('\t'), 1);
}

} // namespace

class MenuTableTest : public MainWindowFixture {
protected:
    // Every line of both tables, with the window's item made from it.
    template <typename Check> void forEachLine(Check check) {
        for (const auto table : {MainMenuTable::mainMenu(), MainMenuTable::popupMenus()}) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                QAction* item = window->action(QString::fromUtf8(table[i].name));
                ASSERT_NE(item, nullptr) << table[i].name;
                check(table, i, item);
            }
        }
    }
};

TEST_F(MenuTableTest, EveryLineIsOneNamedItemOfTheWindow) {
    QSet<QString> names;
    forEachLine([&](auto table, std::size_t i, QAction* item) {
        const MenuLine& line = table[i];
        EXPECT_FALSE(names.contains(QString::fromUtf8(line.name))) << line.name;
        names.insert(QString::fromUtf8(line.name));
        EXPECT_EQ(item->objectName(), QString::fromUtf8(line.name));
        EXPECT_EQ(item->isSeparator(), line.isSeparator()) << line.name;
        if (line.action) {
            EXPECT_EQ((*window).*line.action, item) << line.name;
        }
        if (line.menu) {
            EXPECT_EQ(((*window).*line.menu)->menuAction(), item) << line.name;
        }
        // Items and sub-menus the later code reaches are all kept by the window.
        if (!line.isSeparator()) {
            EXPECT_TRUE(line.action || line.menu) << line.name;
        }
    });
    EXPECT_EQ(names.size(), 56 + 26); // the lines of the main menu and of the pop-up menus
}

TEST_F(MenuTableTest, CaptionsHintsAndKeysAreShownAsDesigned) {
    forEachLine([&](auto table, std::size_t i, QAction* item) {
        const MenuLine& line = table[i];
        if (line.isSeparator())
            return;
        EXPECT_EQ(captionOf(item), QString::fromUtf8(line.caption)) << line.name;
        EXPECT_EQ(keyOf(item), QString::fromUtf8(line.key)) << line.name;
        EXPECT_EQ(item->statusTip(), QString::fromUtf8(line.hint)) << line.name;
        // The key is only shown: Qt would fire none of several actions sharing it.
        EXPECT_TRUE(item->shortcut().isEmpty()) << line.name;
    });
    EXPECT_EQ(window->mFile_Save->text(), QStringLiteral("Változtatások &mentése\tCtrl+M"));
    EXPECT_EQ(window->mFile_Exit->text(), QStringLiteral("&Kilép\tAlt+F4"));
    EXPECT_EQ(window->mEdit_SubMenu1_View->text(), QStringLiteral("Meg&jelenítés...\tSpace"));
    EXPECT_EQ(window->mSettings_EnablePast->text(),
              QStringLiteral("Elmúlt ünnepek és névnapok tiltása"));
    EXPECT_EQ(window->mSettings_EnablePast->statusTip(),
              QStringLiteral("A már elmúlt névnapok tiltása"));
    EXPECT_EQ(window->mHelp_Internet->statusTip(),
              QStringLiteral("A fejlesztő honlapjának meglátogatása"));
    EXPECT_EQ(window->PopupMenu1_View->text(), QStringLiteral("Betölt\tEnter"));
    EXPECT_EQ(window->PopupMenu3_Del->text(), QStringLiteral("Töröl\tDel"));
    EXPECT_EQ(window->EditMenu->title(), QStringLiteral("Szer&keszt"));
    EXPECT_EQ(window->mEdit_SubMenu3->text(), QStringLiteral("Névnap/Ünnep"));
    EXPECT_EQ(window->mEdit_SubMenu3->statusTip(), QStringLiteral("Névnapok és Ünnepek"));
}

TEST_F(MenuTableTest, TheMenuBarHoldsTheTreeInOrder) {
    QStringList top;
    for (const QAction* menu : window->tbMenu->actions())
        top << menu->text();
    EXPECT_EQ(top, QStringList({QStringLiteral("&Fájl"), QStringLiteral("Szer&keszt"),
                                QStringLiteral("&Nézet"), QStringLiteral("&Beállítások"),
                                QStringLiteral("&Segítség")}));

    QStringList edit;
    for (const QAction* item : window->EditMenu->actions())
        edit << item->objectName();
    EXPECT_EQ(edit, QStringList({QStringLiteral("mEdit_SubMenu1"), QStringLiteral("mEdit_SubMenu2"),
                                 QStringLiteral("mEdit_SubMenu3")}));
    QStringList rows;
    for (const QAction* item : window->mEdit_SubMenu1->menu()->actions())
        rows << item->objectName();
    EXPECT_EQ(rows.size(), 7);
    EXPECT_EQ(rows.first(), QStringLiteral("mEdit_SubMenu1_Load"));
    EXPECT_EQ(rows.last(), QStringLiteral("mEdit_SubMenu1_View"));
    EXPECT_TRUE(window->mFile_Export->menu()->actions().contains(window->mFile_Export_BackUp));
    EXPECT_TRUE(window->mView_SubMenu1->menu()->actions().contains(window->mView_cbNevnap));
    EXPECT_EQ(window->PopupMenu4->actions().size(), 4);
}

TEST_F(MenuTableTest, DesignStatesHoldBeforeAndAfterTheStart) {
    // Without a settings file the start checks the name-day band and, since past days are not
    // enabled by default, the item that disables them.
    const QStringList checkedByTheStart{QStringLiteral("mView_cbNevnap"),
                                        QStringLiteral("mSettings_EnablePast")};
    for (const bool started : {false, true}) {
        if (started)
            start(2, 1, 1);
        forEachLine([&](auto table, std::size_t i, QAction* item) {
            const MenuLine& line = table[i];
            if (line.has(MenuLine::Disabled)) {
                EXPECT_FALSE(item->isEnabled()) << line.name;
            }
            EXPECT_EQ(item->isCheckable(), line.has(MenuLine::Checkable)) << line.name;
            const bool checked = line.has(MenuLine::Checked) ||
                                 (started && checkedByTheStart.contains(QLatin1String(line.name)));
            EXPECT_EQ(item->isChecked(), checked) << line.name;
        });
    }
    EXPECT_TRUE(window->mFile_New->isEnabled());
    EXPECT_TRUE(window->mView_Font->isEnabled());
}

TEST_F(MenuTableTest, LayoutItemsAreOneRadioGroup) {
    window->mView_AlignV->trigger();
    EXPECT_TRUE(window->mView_AlignV->isChecked());
    EXPECT_FALSE(window->mView_AlignH->isChecked());
    window->mView_AlignH->trigger();
    EXPECT_FALSE(window->mView_AlignV->isChecked());
    EXPECT_TRUE(window->mView_AlignH->isChecked());
    // Choosing the checked one again keeps it checked.
    window->mView_AlignH->trigger();
    EXPECT_TRUE(window->mView_AlignH->isChecked());
    // Stay-on-top shares the group in the design but is no radio item.
    EXPECT_EQ(window->mView_StayOnTop->actionGroup(), nullptr);
}

TEST_F(MenuTableTest, ItemsWithAPictureShowOneAndOthersNone) {
    forEachLine([&](auto table, std::size_t i, QAction* item) {
        const MenuLine& line = table[i];
        if (line.isSeparator() || MainMenuTable::opensMenu(table, i))
            return;
        EXPECT_EQ(item->icon().pixmap(16, 16).isNull(), line.image < 0) << line.name;
    });
    for (const QToolButton* button :
         {window->ToolButton1, window->ToolButton3, window->ToolButton4})
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << button->objectName().toStdString();
}
