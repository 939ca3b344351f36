#include "MainMenuTable.h"
#include "MainWindowFixture.h"

#include <QImage>
#include <QMenuBar>
#include <QSet>
#include <QToolButton>

#include <utility>

namespace {

// The window's menus as they are designed, written here and not taken from the table the window
// is built from, so that a wrong line there shows. One line an item, the items of a menu indented
// under it: name | caption | hint | key | picture | states. A caption "-" is a separator, a
// picture the number of a menu image; the states are "disabled", "check" (a check mark, off),
// "checked", and "radio" for the two layout items, which exclude each other.
const char* const kDesignedMainMenu = R"(
FileMenu | &Fájl | Fájl műveletek
  mFile_New | &Új... | Új Zimpa... | Ctrl+U | 0
  mFile_Save | Változtatások &mentése | Változtatások mentése | Ctrl+M | 2 | disabled
  mFile_S1 | -
  mFile_Import | Importálás | Importálás
    mFile_Import_BackUp | Biztonsági mentés | | | | disabled
  mFile_Export | Exportálás | Exportálás
    mFile_Export_BackUp | Biztonsági mentés | | | | disabled
  mFile_S2 | -
  mFile_Print | &Nyomtatás... | Nyomtatás... | | 3
  mFile_S3 | -
  mFile_Exit | &Kilép | Kilépés | Alt+F4 | 6
EditMenu | Szer&keszt | Szerkesztés
  mEdit_SubMenu1 | Időpont/Feladat | Időpontok és Feladatok | | | disabled
    mEdit_SubMenu1_Load | Emlékeztető &betöltése | | Enter
    mEdit_SubMenu1_Delete | Emlékeztető &törlése | | Del
    mEdit_SubMenu1_S1 | -
    mEdit_SubMenu1_InsertRow | &Új sor beszúrása
    mEdit_SubMenu1_DeleteRow | &Kijelölt sor törlése
    mEdit_SubMenu1_S2 | -
    mEdit_SubMenu1_View | Meg&jelenítés... | | Space
  mEdit_SubMenu2 | Feljegyzés | Feljegyzések | | | disabled
    mEdit_SubMenu2_Load | Emlékeztető &betöltése | | Enter
    mEdit_SubMenu2_Delete | Emlékeztető &törlése | | Del
    mEdit_SubMenu2_S1 | -
    mEdit_SubMenu2_Copy | Másolás | | Ctrl+C
    mEdit_SubMenu2_Cut | Kivágás | | Ctrl+X
    mEdit_SubMenu2_Insert | Beszúrás | | Ctrl+V
    mEdit_SubMenu2_Clear | Törlés | | Ctrl+D
    mEdit_SubMenu2_S2 | -
    mEdit_SubMenu2_View | Meg&jelenítés... | | Space
  mEdit_SubMenu3 | Névnap/Ünnep | Névnapok és Ünnepek | | | disabled
    mEdit_SubMenu3_Delete | Töröl | | Del
ViewMenu | &Nézet | Nézetek
  mView_Font | Betűkészlet és méret... | Betűkészlet és méret...
  mView_S1 | -
  mView_SubMenu1 | Eszköztárak | Eszköztárak
    mView_cbFile | Fontosabb műveletek | | | | checked
    mView_cbNevnap | Névnap | | | | check
  mView_S2 | -
  mView_AlignV | Függőleges elrendezés | Függőleges elrendezés | | | check radio
  mView_AlignH | Vízszintes elrendezés | Vízszintes elrendezés | | | checked radio
  mView_S3 | -
  mView_StayOnTop | Maradjon &mindig felül | Maradjon mindig felül | | | check
SettingsMenu | &Beállítások | Beállítások
  mSettings_General | Általános &beállítások... | Általános beállítások...
  mSettings_S1 | -
  mSettings_Editor | Emlékeztető szerkesztő | Emlékeztető szerkesztő | | | checked
  mSettings_EnablePast | Elmúlt ünnepek és névnapok tiltása | A már elmúlt névnapok tiltása | | | check
HelpMenu | &Segítség | Segítség
  mHelp_Index | Súgó tartalomjegyzék | Súgó tartalomjegyzék | | 7
  mHelp_S1 | -
  mHelp_Internet | Zimpa az interneten | A fejlesztő honlapjának meglátogatása
  mHelp_Update | Frissebb verzió keresése/letöltése | Frissebb verzió keresése/letöltése
  mHelp_S2 | -
  mHelp_About | Névjegy... | Névjegy... | | 5
)";

const char* const kDesignedPopupMenus = R"(
PopupMenu1
  PopupMenu1_New | Új... | | Ctrl+U | 0
  PopupMenu1_S1 | -
  PopupMenu1_View | Betölt | | Enter
  PopupMenu1_Delete | Töröl | | Del
  PopupMenu1_Display | Megjelenítés... | | Space
  PopupMenu1_S2 | -
  PopupMenu1_Save | Változtatások mentése | | Ctrl+M | 2 | disabled
PopupMenu2
  PopupMenu2_NewLine | &Új sor
  PopupMenu2_RowDel | &Töröl
  PopupMenu2_S1 | -
  PopupMenu2_Edit | &Szerkeszt...
  PopupMenu2_S2 | -
  PopupMenu2_Save | Változtatások &mentése | | Ctrl+M | 2 | disabled
PopupMenu3
  PopupMenu3_New | Új... | | Ctrl+U | 0
  PopupMenu3_S1 | -
  PopupMenu3_Del | Töröl | | Del
  PopupMenu3_S2 | -
  PopupMenu3_Save | Változtatások mentése | | Ctrl+M | 2 | disabled
PopupMenu4
  PopupMenu4_Copy | Másolás | | Ctrl+C
  PopupMenu4_Cut | Kivágás | | Ctrl+X
  PopupMenu4_Paste | Beszúrás | | Ctrl+V
  PopupMenu4_Del | Törlés | | Ctrl+D
)";

struct DesignedItem {
    int level = 0;
    QString name;
    QString caption;
    QString hint;
    QString key;
    int picture = -1;
    QStringList states;

    bool isSeparator() const { return caption == QLatin1String("-"); }
    bool is(const char* state) const { return states.contains(QLatin1String(state)); }
};

QList<DesignedItem> designed(const char* text) {
    QList<DesignedItem> items;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        QStringList columns = line.split(QLatin1Char('|'));
        for (QString& column : columns)
            column = column.trimmed();
        while (columns.size() < 6)
            columns.append(QString());
        DesignedItem item;
        item.level = int(line.indexOf(columns[0]) / 2);
        item.name = columns[0];
        item.caption = columns[1];
        item.hint = columns[2];
        item.key = columns[3];
        item.picture = columns[4].isEmpty() ? -1 : columns[4].toInt();
        item.states = columns[5].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        items.append(item);
    }
    return items;
}

QString captionOf(const QAction* item) {
    return item->text().section(QLatin1Char('\t'), 0, 0);
}

QString keyOf(const QAction* item) {
    return item->text().section(QLatin1Char('\t'), 1);
}

QImage pictureOf(const QAction* item) {
    return item->icon().pixmap(16, 16).toImage();
}

using BuiltItems = QList<std::pair<int, QAction*>>;

void collect(const QList<QAction*>& actions, int level, BuiltItems& items) {
    for (QAction* action : actions) {
        items.append({level, action});
        if (const QMenu* menu = action->menu())
            collect(menu->actions(), level + 1, items);
    }
}

// The indented names, as the trees are written above.
QStringList places(const BuiltItems& items) {
    QStringList names;
    for (const auto& [level, action] : items)
        names.append(QString(level * 2, QLatin1Char(' ')) + action->objectName());
    return names;
}

QStringList places(const QList<DesignedItem>& items) {
    QStringList names;
    for (const DesignedItem& item : items)
        names.append(QString(item.level * 2, QLatin1Char(' ')) + item.name);
    return names;
}

} // namespace

class MenuTableTest : public MainWindowFixture {
protected:
    // The menus as the window holds them, in the order they show, each item with its level.
    BuiltItems builtMainMenu() const {
        BuiltItems items;
        collect(window->tbMenu->actions(), 0, items);
        return items;
    }

    BuiltItems builtPopupMenus() const {
        BuiltItems items;
        for (QMenu* menu :
             {window->PopupMenu1, window->PopupMenu2, window->PopupMenu3, window->PopupMenu4}) {
            items.append({0, menu->menuAction()});
            collect(menu->actions(), 1, items);
        }
        return items;
    }

    // Every designed item beside the window's item in its place, once both trees are the same.
    template <typename Check> void forEachItem(Check check) {
        for (const auto& [design, built] :
             {std::pair(designed(kDesignedMainMenu), builtMainMenu()),
              std::pair(designed(kDesignedPopupMenus), builtPopupMenus())}) {
            ASSERT_EQ(design.size(), built.size());
            for (qsizetype i = 0; i < design.size(); ++i) {
                ASSERT_EQ(built[i].second->objectName(), design[i].name);
                check(design[i], built[i].second);
            }
        }
    }

    // Every line of both tables the window is built from, with the window's item made from it.
    template <typename Check> void forEachLine(Check check) {
        for (const auto table : {MainMenuTable::mainMenu(), MainMenuTable::popupMenus()}) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                QAction* item = window->action(QString::fromUtf8(table[i].name));
                ASSERT_NE(item, nullptr) << table[i].name;
                check(table[i], item);
            }
        }
    }
};

TEST_F(MenuTableTest, TheMenusHoldTheDesignedItemsInOrder) {
    EXPECT_EQ(places(builtMainMenu()), places(designed(kDesignedMainMenu)));
    EXPECT_EQ(places(builtPopupMenus()), places(designed(kDesignedPopupMenus)));
}

TEST_F(MenuTableTest, EveryLineIsOneNamedItemOfTheWindow) {
    QSet<QString> names;
    forEachLine([&](const MenuLine& line, QAction* item) {
        EXPECT_FALSE(names.contains(QString::fromUtf8(line.name))) << line.name;
        names.insert(QString::fromUtf8(line.name));
        EXPECT_EQ(item->objectName(), QString::fromUtf8(line.name));
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
    forEachItem([&](const DesignedItem& design, QAction* item) {
        const std::string name = design.name.toStdString();
        EXPECT_EQ(item->isSeparator(), design.isSeparator()) << name;
        if (design.isSeparator())
            return;
        // A pop-up menu itself shows no caption of its own.
        if (!design.caption.isEmpty()) {
            EXPECT_EQ(captionOf(item), design.caption) << name;
        }
        EXPECT_EQ(keyOf(item), design.key) << name;
        EXPECT_EQ(item->statusTip(), design.hint) << name;
        // The key is only shown: Qt would fire none of several actions sharing it.
        EXPECT_TRUE(item->shortcut().isEmpty()) << name;
    });
}

TEST_F(MenuTableTest, DesignStatesHoldBeforeAndAfterTheStart) {
    // Without a settings file the start checks the name-day band and, since past days are not
    // enabled by default, the item that disables them.
    const QStringList checkedByTheStart{QStringLiteral("mView_cbNevnap"),
                                        QStringLiteral("mSettings_EnablePast")};
    for (const bool started : {false, true}) {
        if (started)
            start(2, 1, 1);
        forEachItem([&](const DesignedItem& design, QAction* item) {
            const std::string name = design.name.toStdString();
            if (design.is("disabled")) {
                EXPECT_FALSE(item->isEnabled()) << name;
            }
            EXPECT_EQ(item->isCheckable(), design.is("check") || design.is("checked")) << name;
            EXPECT_EQ(item->actionGroup() != nullptr, design.is("radio")) << name;
            const bool checked =
                design.is("checked") || (started && checkedByTheStart.contains(design.name));
            EXPECT_EQ(item->isChecked(), checked) << name;
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

// Items of the same picture number show the same picture, and items of different numbers
// different ones.
TEST_F(MenuTableTest, ItemsWithAPictureShowTheirImageAndOthersNone) {
    QMap<int, QImage> pictures;
    forEachItem([&](const DesignedItem& design, QAction* item) {
        const std::string name = design.name.toStdString();
        EXPECT_EQ(pictureOf(item).isNull(), design.picture < 0) << name;
        if (design.picture < 0)
            return;
        if (pictures.contains(design.picture)) {
            EXPECT_EQ(pictureOf(item), pictures[design.picture]) << name;
        } else {
            for (const QImage& other : std::as_const(pictures))
                EXPECT_NE(pictureOf(item), other) << name;
            pictures.insert(design.picture, pictureOf(item));
        }
    });
    EXPECT_EQ(pictures.keys(), QList<int>({0, 2, 3, 5, 6, 7}));
    for (const QToolButton* button :
         {window->ToolButton1, window->ToolButton3, window->ToolButton4})
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << button->objectName().toStdString();
}
