#pragma once

#include "DayDates.h"
#include "Kind.h"
#include "MenuRules.h"
#include "ReminderGrid.h"
#include "RuleRefresh.h"
#include "Tables.h"
#include "WrapTabWidget.h"

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QToolBar>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class ControlBar;
class MenuKeys;
class NoteLoader;
class PageSplitter;
class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTextEdit;
class QToolButton;
class QWidget;
class TfrmAlert;
class TfrmEdit;
class QTimer;

// The organiser's main window: the five stored lists on five pages, the editor area below or
// beside them, the tool-bar strip on top with the menu, and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The tables are shared with the dialogs that write into them and outlive the window.
    explicit TfrmMain(Tables& tables, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The creation steps, in their order, run as one guarded handler: an error ends them at that
    // step and the window opens all the same. Raises ProgramExit when a calendar file is missing.
    void FormCreate(const QString& programFolder, const QStringList& arguments);

    // Runs whenever the window is asked to close; canClose turns false when a list could not be
    // written, and the window stays open. A failed settings write is reported and the window
    // closes all the same.
    void FormCloseQuery(bool& canClose);

    // The window's part of the settings file, read while it is created and written at close.
    void LoadSettings();
    void SaveSettings();

    void LoadList(std::uint8_t kind);
    void SaveList(std::uint8_t kind);
    void StoreIdopontChecks();
    void StoreFeladatChecks();
    void StoreFeljegyzesChecks();

    static int GetSize(const QListWidget* list);
    static int GetSelected(const QListWidget* list);

    // The editor: the template of a kind, the body of the selected reminder, and the save.
    void LoadTemplate(std::uint8_t kind);
    static QString SplitField(const QString& line, int part);
    void EnableSave();
    void DisableSave();
    // Empties every row below the header; the row count stays.
    static void ClearGridRows(ReminderGrid* grid);

    // Deleting the reminder at an index of its list, with its content file.
    void DeleteIdopont(int index);
    void DeleteFeladat(int index);
    void DeleteFeljegyzes(int index);

    // The reminder whose body the editor holds, by kind and identifier; none until one is
    // loaded, and none again once it is deleted or could not be read.
    struct EditorContent {
        Kind kind;
        std::int64_t id;
    };
    std::optional<EditorContent> editorHolds() const { return m_editorHolds; }
    // A note is still coming into the editor (NoteLoader).
    bool noteLoading() const;

    // The list caption of the reminder last loaded into the editor; empty until the first load.
    QString LoadedTitle;

    // Refills the name-day and holiday pages from the days' selected flags.
    void RefreshNevnapUnnepLists();
    // Take the day on that line of its page off the followed days.
    void DeselectNevnap(int line);
    void DeselectUnnep(int line);
    // The one-second tick: clock, announcements, today's names, lock keys.
    void TimerTimer();

    // A second start of the organiser asked for this window.
    void comeToFront();

    Tables& tables() { return m_tables; }
    // A calendar's dates and lines as the day pages and the tick read them (DayDates).
    const DayDates& dayDates(Kind kind) const {
        return kind == Kind::Unnep ? m_unnepDates : m_nevnapDates;
    }
    QString AppDir() const { return m_appDir; }
    QString DataDir() const { return m_dataDir; }
    bool SaveSettingsOnClose() const { return m_saveSettingsOnClose; }
    // The settings dialog's OK turns it off: its keys then stand until the next start.
    void setSaveSettingsOnClose(bool on) { m_saveSettingsOnClose = on; }
    QString settingsFile() const;
    bool isLoaded(Kind kind) const { return m_loaded[static_cast<int>(kind)]; }

    // Any item of the menus, sub-menus (their menu action) and separators by its name.
    QAction* action(const QString& name) const;

    // What the enabling rules read: the page, the lists' selections and lines, the grid's rows.
    ListsState listsState() const;
    // When the rules run after a change of what they read.
    const RuleRefresh& ruleRefresh() const { return m_ruleRefresh; }

    // The layout. Vertical puts the pages left of the editor, horizontal above it; switching
    // checks the matching view item and keeps the lists' columns and the pages' extent.
    void setVerticalLayout(bool vertical);
    bool isVerticalLayout() const;
    // The page control's width in the vertical layout, its height in the horizontal one.
    int pageControlExtent() const;
    void setPageControlExtent(int pixels);

    // A check list's lines run top to bottom and wrap into that many columns of the list's width
    // (scrolling sideways when they do not fit); 0 gives the plain one-column list.
    static void setListColumns(QListWidget* list, int columns);
    static int listColumns(const QListWidget* list);

    // Also checks or unchecks the item "Maradjon mindig felül".
    void setStayOnTop(bool on);
    bool stayOnTop() const;

    // The stored font colour value; an invalid colour value leaves the desktop's text colour.
    void setFontColour(quint32 colour);
    quint32 fontColour() const { return m_fontColour; }

    // ToolBar1 shown exactly while "Fontosabb műveletek" is checked, tbNevnap while "Névnap" is.
    void showBandsFromChecks();

    // The left position in pixels of a band of the tool-bar strip (ToolBar1, tbNevnap).
    int bandPosition(QWidget* band) const;
    void setBandPosition(QWidget* band, int left);

    // Sets the active page without the page switch steps, as restoring a stored page does.
    // An index outside the pages is ignored.
    void setActivePageSilently(int index);

    // Status panel 0: hints and list counts. Panels 1 to 3 are the lock states and the clock.
    void SetStatusText(const QString& text);
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);

    // The tool-bar strip. The bands' classes are complete here so that they pass as QWidget*.
    ControlBar* ControlBar1 = nullptr;
    QMenuBar* tbMenu = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QWidget* ToolButton2 = nullptr; // the gap between save and print
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QLabel* tbNevnap = nullptr;

    WrapTabWidget* PageControl = nullptr;
    QListWidget* clbIdopont = nullptr;
    QListWidget* clbFeladat = nullptr;
    QListWidget* clbFeljegyzes = nullptr;
    QListWidget* lbNevnap = nullptr;
    QListWidget* lbUnnep = nullptr;
    PageSplitter* Splitter1 = nullptr;
    QFrame* Panel1 = nullptr;
    ReminderGrid* tZimpa = nullptr;
    QTextEdit* mZimpa = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TfrmEdit* frmEdit = nullptr;
    TfrmAlert* frmAlert = nullptr;
    QTimer* Timer = nullptr;

    // The menus of the menu bar and the pop-up menus.
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* SettingsMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* PopupMenu1 = nullptr; // the three reminder lists
    QMenu* PopupMenu2 = nullptr; // the reminder grid
    QMenu* PopupMenu3 = nullptr; // the two day lists
    QMenu* PopupMenu4 = nullptr; // the note editor

    // Items of the main menu; a sub-menu is its menu action.
    QAction* mFile_New = nullptr;
    QAction* mFile_Save = nullptr;
    QAction* mFile_Import = nullptr;
    QAction* mFile_Import_BackUp = nullptr;
    QAction* mFile_Export = nullptr;
    QAction* mFile_Export_BackUp = nullptr;
    QAction* mFile_Print = nullptr;
    QAction* mFile_Exit = nullptr;
    QAction* mEdit_SubMenu1 = nullptr;
    QAction* mEdit_SubMenu1_Load = nullptr;
    QAction* mEdit_SubMenu1_Delete = nullptr;
    QAction* mEdit_SubMenu1_InsertRow = nullptr;
    QAction* mEdit_SubMenu1_DeleteRow = nullptr;
    QAction* mEdit_SubMenu1_View = nullptr;
    QAction* mEdit_SubMenu2 = nullptr;
    QAction* mEdit_SubMenu2_Load = nullptr;
    QAction* mEdit_SubMenu2_Delete = nullptr;
    QAction* mEdit_SubMenu2_Copy = nullptr;
    QAction* mEdit_SubMenu2_Cut = nullptr;
    QAction* mEdit_SubMenu2_Insert = nullptr;
    QAction* mEdit_SubMenu2_Clear = nullptr;
    QAction* mEdit_SubMenu2_View = nullptr;
    QAction* mEdit_SubMenu3 = nullptr;
    QAction* mEdit_SubMenu3_Delete = nullptr;
    QAction* mView_Font = nullptr;
    QAction* mView_SubMenu1 = nullptr;
    QAction* mView_cbFile = nullptr;
    QAction* mView_cbNevnap = nullptr;
    QAction* mView_AlignV = nullptr;
    QAction* mView_AlignH = nullptr;
    QAction* mView_StayOnTop = nullptr;
    QAction* mSettings_General = nullptr;
    QAction* mSettings_Editor = nullptr;
    QAction* mSettings_EnablePast = nullptr;
    QAction* mHelp_Index = nullptr;
    QAction* mHelp_Internet = nullptr;
    QAction* mHelp_Update = nullptr;
    QAction* mHelp_About = nullptr;

    // Items of the pop-up menus.
    QAction* PopupMenu1_New = nullptr;
    QAction* PopupMenu1_View = nullptr;
    QAction* PopupMenu1_Delete = nullptr;
    QAction* PopupMenu1_Display = nullptr;
    QAction* PopupMenu1_Save = nullptr;
    QAction* PopupMenu2_NewLine = nullptr;
    QAction* PopupMenu2_RowDel = nullptr;
    QAction* PopupMenu2_Edit = nullptr;
    QAction* PopupMenu2_Save = nullptr;
    QAction* PopupMenu3_New = nullptr;
    QAction* PopupMenu3_Del = nullptr;
    QAction* PopupMenu3_Save = nullptr;
    QAction* PopupMenu4_Copy = nullptr;
    QAction* PopupMenu4_Cut = nullptr;
    QAction* PopupMenu4_Paste = nullptr;
    QAction* PopupMenu4_Del = nullptr;

public slots:
    // Enabling rules: each sets its items from scratch.
    void MainMenuChange();
    void PopupMenu1Change();
    void FileMenuClick();
    void EditMenuClick();
    void clbIdopontClick();
    void clbFeladatClick();
    void clbFeljegyzesClick();

    void PageControlChange();
    void FormResize();
    void ApplicationEventsHint(const QString& hint);
    void clbIdopontMouseMove();
    void clbFeladatMouseMove();
    void clbFeljegyzesMouseMove();
    void lbNevnapMouseMove();
    void lbUnnepMouseMove();

    // View commands.
    void mView_FontClick();
    void mView_StayOnTopClick();
    void mView_cbFileClick();
    void mView_cbNevnapClick();
    void mView_AlignVClick();
    void mView_AlignHClick();

    void mFile_ExitClick();

    // Commands bound to their items whose work belongs to the features that own it.
    void mFile_NewClick();
    void mFile_SaveClick();
    void mFile_Import_BackUpClick();
    void mFile_Export_BackUpClick();
    void mFile_PrintClick();
    void mEdit_SubMenu1_LoadClick();
    void mEdit_SubMenu1_DeleteClick();
    void mEdit_SubMenu1_InsertRowClick();
    void mEdit_SubMenu1_DeleteRowClick();
    void mEdit_SubMenu1_ViewClick();
    void mEdit_SubMenu2_CopyClick();
    void mEdit_SubMenu2_CutClick();
    void mEdit_SubMenu2_InsertClick();
    void mEdit_SubMenu2_ClearClick();
    void mEdit_SubMenu3_DeleteClick();
    void SettingsMenuClick();
    void mSettings_GeneralClick();
    void mSettings_EditorClick();
    void mSettings_EnablePastClick();
    void HelpMenuClick();
    void mHelp_IndexClick();
    void mHelp_InternetClick();
    void mHelp_UpdateClick();
    void mHelp_AboutClick();
    void PopupMenu2_EditClick();
    void PopupMenu2Popup();
    void tZimpaDblClick();
    void tZimpaSetEditText();
    void mZimpaSelectionChange();
    void tbNevnapDblClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPages();
    void createEditors();
    void createControlBar();
    void createStatusBar();
    void createMenus();
    void attachPopupMenus();
    void connectRules();
    void refreshMenuRules();
    void runRulesGuarded();
    void printButtonRule();
    QMenu* popupOf(QWidget* widget) const;
    QListWidget* checkList(Kind kind) const;
    void storeChecks(QListWidget* list, ReminderTable& table);
    void loadReminderList(Kind kind);
    void loadDayList(Kind kind);
    void showEditorOf(int page);
    void showListCount(const QListWidget* list, const QString& phrase);
    QString dataFile(Kind kind) const;
    void createEditDialog();
    void createDayTimer();
    void deselectDay(QListWidget* list, DayTable& table, int line);
    void refreshDayDates();
    bool loadTableContent(const QString& path);
    bool loadNoteContent(const QString& path);
    void refuseNote(const QString& text);
    void saveEditorTo(const EditorContent& target);
    void deleteReminder(Kind kind, int index);
    void requestClose();

    Tables& m_tables;
    QString m_appDir;
    QString m_dataDir;
    bool m_saveSettingsOnClose = false;
    // Set while FormCreate runs: a close asked for then writes the tables and nothing more.
    bool m_creating = false;
    // A table whose file was not read at start is never written back: that would replace the
    // user's file with an empty one.
    std::array<bool, KindCount> m_loaded{};

    QHash<QString, QAction*> m_actions;
    QHash<QWidget*, QMenu*> m_popups;
    MenuKeys* m_keys = nullptr;
    std::array<QLabel*, 4> m_statusPanels{};
    quint32 m_fontColour;
    bool m_pageSwitchSilenced = false;
    // Set while the program fills the editors, whose change signals then mean no user edit.
    bool m_fillingEditor = false;
    std::optional<EditorContent> m_editorHolds;
    std::unique_ptr<TfrmAlert> m_alert;
    // Loads a note into mZimpa in pieces; the editor holds no whole note while it runs.
    std::unique_ptr<NoteLoader> m_noteLoader;
    RuleRefresh m_ruleRefresh{[this] {
        runRulesGuarded();
    }};
    // The calendars' dates and lines, brought up to the tables whenever a day page is refilled.
    DayDates m_nevnapDates;
    DayDates m_unnepDates;
};
