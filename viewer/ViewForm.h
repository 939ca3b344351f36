#pragma once

#include "Kind.h"
#include "ReminderGrid.h"
#include "RowAlarms.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class InstanceRegister;
class NoteLoader;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStatusBar;
class QTextEdit;
class QTimer;
class TTransparentForm;
class TTrayIcon;
class TfrmAlert;

// The viewer's window: one stored reminder on the desktop, an appointment or a task as a table
// of times and messages, a note as text. While a table is shown it keeps a clock in its status
// bar and raises the alert window when a row's time comes. It can stay on top, be translucent
// and hide into the notification area; one pop-up menu serves the table, the text and the icon.
class TfrmView : public QMainWindow {
    Q_OBJECT

public:
    // What the window keeps of the settings between reading them at creation and writing them
    // at close.
    struct TViewSettings {
        QString FontName;
        std::uint8_t FontSize = 8;
        quint32 FontColor = 0;
        std::uint8_t Transparent = 0;
        bool StayOnTop = false;
    };

    explicit TfrmView(QWidget* parent = nullptr);
    ~TfrmView() override;

    // The creation steps, in their order, as one guarded handler: an error ends them at that
    // step and the window opens all the same. Raises ProgramExit where the program ends during
    // its creation (a box left with OK, a scan that found nothing). arguments holds the
    // program's path first.
    void FormCreate(const QString& programFolder, const QStringList& arguments);

    // The section "ViewForm" of the settings file in the program folder.
    void LoadSettings();
    // Writes the nine keys; raises RunError "Unable to write to <path>" when the file cannot be
    // written, which the close reports.
    void SaveSettings();

    static QString SplitField(const QString& line, std::uint8_t part);
    // Shows the content file as a table or a note and arms the rows' alarms.
    void LoadFile(const QString& path);
    void Timer1Timer();

    // The reminders of the three lists due today: the first in this window, every further one
    // in a viewer of its own. Raises ProgramExit when none is due.
    void StartupScan();
    // Starts one more viewer with the arguments and reports a start that failed.
    void StartViewer(const QStringList& params);

    // Saves the settings (a failure is reported) and leaves the register; closing is always
    // allowed.
    void FormCloseQuery(bool& canClose);
    void FormHide();

    void PopupMenu1Popup();
    void PopupMenu1_NewClick();
    void PopupMenu1_SaveClick();
    void PopupMenu1_LoadClick();
    void PopupMenu1_ShowClick();
    void PopupMenu1_HideClick();
    // The item has turned its check over by the time this runs.
    void PopupMenu1_StayOnTopClick();
    void rbTrayClick();
    void rbFormClick();
    void rbBothClick();
    void PopupMenu1_AboutClick();
    void PopupMenu1_CloseClick();
    void tZimpaSetEditText();
    void StatusBar1DblClick();

    // The alert window the alarms go to; the program creates it after this window.
    void setAlert(TfrmAlert* alert) { frmAlert = alert; }
    // What "Névjegy" opens; without it the item stays disabled.
    void setAboutOpener(std::function<void()> opener);

    QString ExeDir() const { return m_exeDir; }
    QString CurrentFile() const { return m_currentFile; }
    // Empty while the viewer holds no entry in the register.
    std::optional<qint32> ViewerId() const { return m_viewerId; }
    const TViewSettings& ViewSettings() const { return m_viewSettings; }
    const RowAlarms& AlarmTimes() const { return m_alarmTimes; }
    // A note is still coming into mZimpa (NoteLoader).
    bool noteLoading() const;
    QString statusText() const;
    QString settingsFile() const;

    // The register file and the program started for further viewers, relative to the current
    // folder and the program folder.
    static QString registerFile() { return QStringLiteral("pl.data"); }
    static QString viewerProgram() { return QStringLiteral("Viewer"); }

    TTransparentForm* TransparentForm = nullptr;
    ReminderGrid* tZimpa = nullptr;
    QTextEdit* mZimpa = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* PopupMenu1_New = nullptr;
    QAction* PopupMenu1_S1 = nullptr;
    QAction* PopupMenu1_Save = nullptr;
    QAction* PopupMenu1_Load = nullptr;
    QAction* PopupMenu1_S2 = nullptr;
    QAction* PopupMenu1_Show = nullptr;
    QAction* PopupMenu1_Hide = nullptr;
    QAction* PopupMenu1_StayOnTop = nullptr;
    QAction* PopupMenu1_S3 = nullptr;
    QAction* rbTray = nullptr;
    QAction* rbForm = nullptr;
    QAction* rbBoth = nullptr;
    QAction* PopupMenu1_S4 = nullptr;
    QAction* PopupMenu1_About = nullptr;
    QAction* PopupMenu1_S5 = nullptr;
    QAction* PopupMenu1_Close = nullptr;
    QTimer* Timer1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TTrayIcon* TrayIcon = nullptr;
    TfrmAlert* frmAlert = nullptr;

signals:
    // The window has closed for good: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createGrid();
    void createStatusBar();
    void createMenu();
    void createTrayIcon();
    QAction* addItem(const QString& name, const QString& caption, void (TfrmView::*handler)());
    QAction* addSeparator(const QString& name);
    void attachPopupMenu(QWidget* widget);

    void registerInstance();
    void leaveRegister();
    // A register that could not be read or written is reported in the general error box.
    void reportRegisterFailure(const InstanceRegister& instances);
    void runCommandLine(const QStringList& arguments);
    void showInformation(const QString& text);
    void scanList(Kind kind, bool& first, bool& shown);
    void startFurtherViewer(const QString& content);

    void loadTable(const QString& path, const QString& file);
    void loadNote(const QString& file);
    void clearGridCells();
    void fixHeaderRow();
    void refuseHeaderOfOneRow();
    void announce(const QString& time, const QString& message);

    // The section "ViewForm" in its order, which LoadSettings and SaveSettings both walk.
    template <typename Visit> static void eachSettingsKey(Visit&& visit);
    void setStayOnTop(bool on);
    bool stayOnTop() const;
    void applyFont(const QString& name, std::uint8_t size);
    void applyFontColour(quint32 colour);

    QLabel* m_statusPanel = nullptr;
    QActionGroup* m_warnings = nullptr;
    std::function<void()> m_openAbout;

    QString m_exeDir;
    QString m_currentFile;
    std::optional<qint32> m_viewerId;
    TViewSettings m_viewSettings;
    RowAlarms m_alarmTimes;
    // A note comes into mZimpa in pieces while the window goes on.
    std::unique_ptr<NoteLoader> m_noteLoader;
    bool m_filling = false;   // cells are changed by a load, not by the user
    bool m_restyling = false; // a new window style hides and shows the window
};
