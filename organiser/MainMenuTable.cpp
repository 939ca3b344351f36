#include "MainMenuTable.h"

#include "MainForm.h"

#include <cstring>

namespace {

using Command = MenuLine::Command;
constexpr unsigned Disabled = MenuLine::Disabled;
constexpr unsigned Checkable = MenuLine::Checkable;
constexpr unsigned Checked = MenuLine::Checked;
constexpr unsigned Radio = MenuLine::Radio;

// A menu of the bar or a pop-up menu, with what runs as it opens.
constexpr MenuLine menu(const char* name, const char* caption, const char* hint, Command opens,
                        QMenu* TfrmMain::*member) {
    return {0, name, caption, hint, "", -1, 0, opens, nullptr, member};
}

constexpr MenuLine subMenu(int level, const char* name, const char* caption, const char* hint,
                           unsigned flags, QAction* TfrmMain::*member) {
    return {level, name, caption, hint, "", -1, flags, nullptr, member, nullptr};
}

constexpr MenuLine item(int level, const char* name, const char* caption, const char* hint,
                        const char* key, int image, unsigned flags, Command command,
                        QAction* TfrmMain::*member) {
    return {level, name, caption, hint, key, image, flags, command, member, nullptr};
}

constexpr MenuLine separator(int level, const char* name) {
    return {level, name, "-", "", "", -1, 0, nullptr, nullptr, nullptr};
}

using W = TfrmMain;

// clang-format off
const MenuLine kMainMenu[] = {
    menu("FileMenu", "&Fájl", "Fájl műveletek", &W::FileMenuClick, &W::FileMenu),
    item(1, "mFile_New", "&Új...", "Új Zimpa...", "Ctrl+U", 0, 0, &W::mFile_NewClick, &W::mFile_New),
    item(1, "mFile_Save", "Változtatások &mentése", "Változtatások mentése", "Ctrl+M", 2, Disabled,
         &W::mFile_SaveClick, &W::mFile_Save),
    separator(1, "mFile_S1"),
    subMenu(1, "mFile_Import", "Importálás", "Importálás", 0, &W::mFile_Import),
    item(2, "mFile_Import_BackUp", "Biztonsági mentés", "", "", -1, Disabled,
         &W::mFile_Import_BackUpClick, &W::mFile_Import_BackUp),
    subMenu(1, "mFile_Export", "Exportálás", "Exportálás", 0, &W::mFile_Export),
    item(2, "mFile_Export_BackUp", "Biztonsági mentés", "", "", -1, Disabled,
         &W::mFile_Export_BackUpClick, &W::mFile_Export_BackUp),
    separator(1, "mFile_S2"),
    item(1, "mFile_Print", "&Nyomtatás...", "Nyomtatás...", "", 3, 0, &W::mFile_PrintClick,
         &W::mFile_Print),
    separator(1, "mFile_S3"),
    item(1, "mFile_Exit", "&Kilép", "Kilépés", "Alt+F4", 6, 0, &W::mFile_ExitClick, &W::mFile_Exit),

    menu("EditMenu", "Szer&keszt", "Szerkesztés", &W::EditMenuClick, &W::EditMenu),
    subMenu(1, "mEdit_SubMenu1", "Időpont/Feladat", "Időpontok és Feladatok", Disabled,
            &W::mEdit_SubMenu1),
    item(2, "mEdit_SubMenu1_Load", "Emlékeztető &betöltése", "", "Enter", -1, 0,
         &W::mEdit_SubMenu1_LoadClick, &W::mEdit_SubMenu1_Load),
    item(2, "mEdit_SubMenu1_Delete", "Emlékeztető &törlése", "", "Del", -1, 0,
         &W::mEdit_SubMenu1_DeleteClick, &W::mEdit_SubMenu1_Delete),
    separator(2, "mEdit_SubMenu1_S1"),
    item(2, "mEdit_SubMenu1_InsertRow", "&Új sor beszúrása", "", "", -1, 0,
         &W::mEdit_SubMenu1_InsertRowClick, &W::mEdit_SubMenu1_InsertRow),
    item(2, "mEdit_SubMenu1_DeleteRow", "&Kijelölt sor törlése", "", "", -1, 0,
         &W::mEdit_SubMenu1_DeleteRowClick, &W::mEdit_SubMenu1_DeleteRow),
    separator(2, "mEdit_SubMenu1_S2"),
    item(2, "mEdit_SubMenu1_View", "Meg&jelenítés...", "", "Space", -1, 0,
         &W::mEdit_SubMenu1_ViewClick, &W::mEdit_SubMenu1_View),
    subMenu(1, "mEdit_SubMenu2", "Feljegyzés", "Feljegyzések", Disabled, &W::mEdit_SubMenu2),
    item(2, "mEdit_SubMenu2_Load", "Emlékeztető &betöltése", "", "Enter", -1, 0, nullptr,
         &W::mEdit_SubMenu2_Load),
    item(2, "mEdit_SubMenu2_Delete", "Emlékeztető &törlése", "", "Del", -1, 0, nullptr,
         &W::mEdit_SubMenu2_Delete),
    separator(2, "mEdit_SubMenu2_S1"),
    item(2, "mEdit_SubMenu2_Copy", "Másolás", "", "Ctrl+C", -1, 0, &W::mEdit_SubMenu2_CopyClick,
         &W::mEdit_SubMenu2_Copy),
    item(2, "mEdit_SubMenu2_Cut", "Kivágás", "", "Ctrl+X", -1, 0, &W::mEdit_SubMenu2_CutClick,
         &W::mEdit_SubMenu2_Cut),
    item(2, "mEdit_SubMenu2_Insert", "Beszúrás", "", "Ctrl+V", -1, 0,
         &W::mEdit_SubMenu2_InsertClick, &W::mEdit_SubMenu2_Insert),
    item(2, "mEdit_SubMenu2_Clear", "Törlés", "", "Ctrl+D", -1, 0, &W::mEdit_SubMenu2_ClearClick,
         &W::mEdit_SubMenu2_Clear),
    separator(2, "mEdit_SubMenu2_S2"),
    item(2, "mEdit_SubMenu2_View", "Meg&jelenítés...", "", "Space", -1, 0,
         &W::mEdit_SubMenu1_ViewClick, &W::mEdit_SubMenu2_View),
    subMenu(1, "mEdit_SubMenu3", "Névnap/Ünnep", "Névnapok és Ünnepek", Disabled,
            &W::mEdit_SubMenu3),
    item(2, "mEdit_SubMenu3_Delete", "Töröl", "", "Del", -1, 0, &W::mEdit_SubMenu3_DeleteClick,
         &W::mEdit_SubMenu3_Delete),

    menu("ViewMenu", "&Nézet", "Nézetek", nullptr, &W::ViewMenu),
    item(1, "mView_Font", "Betűkészlet és méret...", "Betűkészlet és méret...", "", -1, 0,
         &W::mView_FontClick, &W::mView_Font),
    separator(1, "mView_S1"),
    subMenu(1, "mView_SubMenu1", "Eszköztárak", "Eszköztárak", 0, &W::mView_SubMenu1),
    item(2, "mView_cbFile", "Fontosabb műveletek", "", "", -1, Checkable | Checked,
         &W::mView_cbFileClick, &W::mView_cbFile),
    item(2, "mView_cbNevnap", "Névnap", "", "", -1, Checkable, &W::mView_cbNevnapClick,
         &W::mView_cbNevnap),
    separator(1, "mView_S2"),
    item(1, "mView_AlignV", "Függőleges elrendezés", "Függőleges elrendezés", "", -1,
         Checkable | Radio, &W::mView_AlignVClick, &W::mView_AlignV),
    item(1, "mView_AlignH", "Vízszintes elrendezés", "Vízszintes elrendezés", "", -1,
         Checkable | Radio | Checked, &W::mView_AlignHClick, &W::mView_AlignH),
    separator(1, "mView_S3"),
    item(1, "mView_StayOnTop", "Maradjon &mindig felül", "Maradjon mindig felül", "", -1,
         Checkable, &W::mView_StayOnTopClick, &W::mView_StayOnTop),

    menu("SettingsMenu", "&Beállítások", "Beállítások", &W::SettingsMenuClick, &W::SettingsMenu),
    item(1, "mSettings_General", "Általános &beállítások...", "Általános beállítások...", "", -1,
         0, &W::mSettings_GeneralClick, &W::mSettings_General),
    separator(1, "mSettings_S1"),
    item(1, "mSettings_Editor", "Emlékeztető szerkesztő", "Emlékeztető szerkesztő", "", -1,
         Checkable | Checked, &W::mSettings_EditorClick, &W::mSettings_Editor),
    item(1, "mSettings_EnablePast", "Elmúlt ünnepek és névnapok tiltása",
         "A már elmúlt névnapok tiltása", "", -1, Checkable, &W::mSettings_EnablePastClick,
         &W::mSettings_EnablePast),

    menu("HelpMenu", "&Segítség", "Segítség", &W::HelpMenuClick, &W::HelpMenu),
    item(1, "mHelp_Index", "Súgó tartalomjegyzék", "Súgó tartalomjegyzék", "", 7, 0,
         &W::mHelp_IndexClick, &W::mHelp_Index),
    separator(1, "mHelp_S1"),
    item(1, "mHelp_Internet", "Zimpa az interneten", "A fejlesztő honlapjának meglátogatása", "",
         -1, 0, &W::mHelp_InternetClick, &W::mHelp_Internet),
    item(1, "mHelp_Update", "Frissebb verzió keresése/letöltése",
         "Frissebb verzió keresése/letöltése", "", -1, 0, &W::mHelp_UpdateClick, &W::mHelp_Update),
    separator(1, "mHelp_S2"),
    item(1, "mHelp_About", "Névjegy...", "Névjegy...", "", 5, 0, &W::mHelp_AboutClick,
         &W::mHelp_About),
};

const MenuLine kPopupMenus[] = {
    // The three reminder lists.
    menu("PopupMenu1", "", "", nullptr, &W::PopupMenu1),
    item(1, "PopupMenu1_New", "Új...", "", "Ctrl+U", 0, 0, &W::mFile_NewClick, &W::PopupMenu1_New),
    separator(1, "PopupMenu1_S1"),
    item(1, "PopupMenu1_View", "Betölt", "", "Enter", -1, 0, &W::mEdit_SubMenu1_LoadClick,
         &W::PopupMenu1_View),
    item(1, "PopupMenu1_Delete", "Töröl", "", "Del", -1, 0, &W::mEdit_SubMenu1_DeleteClick,
         &W::PopupMenu1_Delete),
    item(1, "PopupMenu1_Display", "Megjelenítés...", "", "Space", -1, 0,
         &W::mEdit_SubMenu1_ViewClick, &W::PopupMenu1_Display),
    separator(1, "PopupMenu1_S2"),
    item(1, "PopupMenu1_Save", "Változtatások mentése", "", "Ctrl+M", 2, Disabled,
         &W::mFile_SaveClick, &W::PopupMenu1_Save),

    // The reminder grid.
    menu("PopupMenu2", "", "", &W::PopupMenu2Popup, &W::PopupMenu2),
    item(1, "PopupMenu2_NewLine", "&Új sor", "", "", -1, 0, &W::mEdit_SubMenu1_InsertRowClick,
         &W::PopupMenu2_NewLine),
    item(1, "PopupMenu2_RowDel", "&Töröl", "", "", -1, 0, &W::mEdit_SubMenu1_DeleteRowClick,
         &W::PopupMenu2_RowDel),
    separator(1, "PopupMenu2_S1"),
    item(1, "PopupMenu2_Edit", "&Szerkeszt...", "", "", -1, 0, &W::PopupMenu2_EditClick,
         &W::PopupMenu2_Edit),
    separator(1, "PopupMenu2_S2"),
    item(1, "PopupMenu2_Save", "Változtatások &mentése", "", "Ctrl+M", 2, Disabled,
         &W::mFile_SaveClick, &W::PopupMenu2_Save),

    // The two day lists.
    menu("PopupMenu3", "", "", nullptr, &W::PopupMenu3),
    item(1, "PopupMenu3_New", "Új...", "", "Ctrl+U", 0, 0, &W::mFile_NewClick, &W::PopupMenu3_New),
    separator(1, "PopupMenu3_S1"),
    item(1, "PopupMenu3_Del", "Töröl", "", "Del", -1, 0, &W::mEdit_SubMenu3_DeleteClick,
         &W::PopupMenu3_Del),
    separator(1, "PopupMenu3_S2"),
    item(1, "PopupMenu3_Save", "Változtatások mentése", "", "Ctrl+M", 2, Disabled,
         &W::mFile_SaveClick, &W::PopupMenu3_Save),

    // The note editor.
    menu("PopupMenu4", "", "", nullptr, &W::PopupMenu4),
    item(1, "PopupMenu4_Copy", "Másolás", "", "Ctrl+C", -1, 0, nullptr, &W::PopupMenu4_Copy),
    item(1, "PopupMenu4_Cut", "Kivágás", "", "Ctrl+X", -1, 0, nullptr, &W::PopupMenu4_Cut),
    item(1, "PopupMenu4_Paste", "Beszúrás", "", "Ctrl+V", -1, 0, nullptr, &W::PopupMenu4_Paste),
    item(1, "PopupMenu4_Del", "Törlés", "", "Ctrl+D", -1, 0, nullptr, &W::PopupMenu4_Del),
};
// clang-format on

} // namespace

bool MenuLine::isSeparator() const {
    return std::strcmp(caption, "-") == 0;
}

namespace MainMenuTable {

std::span<const MenuLine> mainMenu() {
    return kMainMenu;
}

std::span<const MenuLine> popupMenus() {
    return kPopupMenus;
}

bool opensMenu(std::span<const MenuLine> table, std::size_t index) {
    return index + 1 < table.size() && table[index + 1].level > table[index].level;
}

} // namespace MainMenuTable
