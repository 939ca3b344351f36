#pragma once

#include "DayCheckList.h"
#include "Kind.h"
#include "ReminderGrid.h"
#include "Tables.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class TfrmMain;

// The dialog that creates a new appointment, task or note, and in which the user chooses the
// name days and holidays to follow. It writes straight into the main window's tables and lists
// and writes the new reminder's content file; it has no result of its own.
class TfrmNew : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 205;

    // Runs FormCreate. The main window outlives the dialog.
    explicit TfrmNew(TfrmMain& main);
    ~TfrmNew() override;

    // Shows the dialog modally and waits until it closes. Tests whose steps reach the opener
    // only by the way put their own run in place (one that closes the dialog, say), since no
    // test may wait on a modal window; an empty function gives the modal wait back.
    using ModalRun = std::function<void(TfrmNew&)>;
    static void runModal(TfrmNew& dialog);
    static void setModalRunForTesting(ModalRun run);

    // Handlers. The widgets' notifications run them inside the error guard; called directly they
    // raise what they meet.
    void FormCreate();
    // The steps of the dialog's first showing.
    void FormActivate();
    // Every way of closing runs it: OK, Cancel, the close box, a failed template.
    void FormClose();
    void cbTypeChange();
    void dtStartChange();
    void dtEndChange();
    void btnOkClick();
    void btnCancelClick();

    // Kinds 0 to 2 from their templates; any other kind does nothing.
    void LoadTemplate(std::uint8_t kind);
    static QString SplitField(const QString& line, std::uint8_t part);

    // The day lists.
    static bool AllDatesPast(const TDayRec& record);
    void clbNevnapClick();
    void clbUnnepClick();
    void PopupMenu1Popup();
    // Runs after the item has turned its tick over, as a checkable item does before it reports.
    void mEnablePastClick();
    void mSelectAllClick();
    void mUnSelectAllClick();

    QLabel* lbType = nullptr;
    QComboBox* cbType = nullptr;
    QLabel* lbStartDate = nullptr;
    QDateEdit* dtStart = nullptr;
    QLabel* lbEndDate = nullptr;
    QDateEdit* dtEnd = nullptr;
    QLabel* lbId = nullptr;
    QLineEdit* ListIDEdit = nullptr;
    QLabel* lbGrid = nullptr;
    ReminderGrid* StringGrid1 = nullptr;
    QTextEdit* reMemo = nullptr;
    DayCheckList* clbNevnap = nullptr;
    DayCheckList* clbUnnep = nullptr;
    QCheckBox* cbSaveEmptyLines = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mSelectAll = nullptr;
    QAction* mUnSelectAll = nullptr;
    QAction* S1 = nullptr;
    QAction* mEnablePast = nullptr;

    // The line of each day list that last had its dates shown.
    int FNevnapPrevIndex = 0;
    int FUnnepPrevIndex = 0;

    // Every way of closing ends here, so FormClose runs for each.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createDayLists();
    void setFocusOrder();
    void connectHandlers();
    void disconnectHandlers();
    void copyMainWindowFont();
    void placeControls();
    void applyKind(int kind);
    void setDatesSilently(const QDate& start, const QDate& end);
    void showDatesInIdentifier();

    // The grid: row 0 holds the column captions and cannot be edited.
    void makeHeaderRow();

    // OK for the three reminder kinds.
    void createTableReminder(Kind kind, std::int64_t id);
    void createNote(std::int64_t id);
    // Each tells the user why it refuses.
    bool identifierTaken(Kind kind, std::int64_t id);
    bool tableFull(Kind kind);
    bool writeContent(Kind kind, std::int64_t id, const QByteArray& bytes);
    void addReminder(Kind kind, std::int64_t id);
    QByteArray gridContent() const;
    bool gridHasMessage() const;
    QListWidget* mainList(Kind kind) const;

    // The day lists.
    void fillDayList(DayCheckList* list, const DayTable& table);
    void applyPastRule(DayCheckList* list, const DayTable& table);
    void showDayDates(QListWidget* list, const DayTable& table, int& previous);
    void tickEnabledLines(bool tick);
    void storeDayTicks(QListWidget* list, DayTable& table);
    static int recordOf(const QListWidget* list, int line);

    TfrmMain& m_main;
    // What the dialog's own code sets in the date pickers is no change of the user's.
    bool m_settingDates = false;
    bool m_shownOnce = false;
};
