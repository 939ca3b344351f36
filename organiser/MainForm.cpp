#include "MainForm.h"

#include "AlertForm.h"
#include "ReminderGrid.h"

#include "MainFormSettings.h"

#include "CalendarFile.h"
#include "ColourNames.h"
#include "CommandLine.h"
#include "Dialogs.h"
#include "Guard.h"
#include "ListFile.h"
#include "NoteLoader.h"
#include "PageSplitter.h"
#include "ProgramExit.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QTimer>

TfrmMain::TfrmMain(Tables& tables, QWidget* parent)
    : QMainWindow(parent)
    , m_tables(tables)
    , m_fontColour(ColourNames::clWindowText) {
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 (Előzetes) - Rendszerező"));
    resize(607, 483);
    createControls();
    createMenus();
    attachPopupMenus();
    connectRules();
    createEditDialog();
    createDayTimer();
}

TfrmMain::~TfrmMain() {
    // The lists, the grid and the pages announce their clearing as they are destroyed; the rules
    // must not hear it.
    for (QListWidget* list : {clbIdopont, clbFeladat, clbFeljegyzes, lbNevnap, lbUnnep}) {
        list->disconnect(this);
        list->model()->disconnect(this);
    }
    tZimpa->model()->disconnect(this);
    PageControl->disconnect(this);
}

void TfrmMain::createControls() {
    createPages();
    createEditors();
    Splitter1 = new PageSplitter(PageControl, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    setCentralWidget(Splitter1);
    createControlBar();
    createStatusBar();
}

void TfrmMain::FormCreate(const QString& programFolder, const QStringList& arguments) {
    const QScopedValueRollback creating(m_creating, true);
    runGuarded([&] {
        m_appDir = programFolder;
        m_dataDir = programFolder;
        const RuleRefresh::BulkFill bulkFill(m_ruleRefresh);
        for (const Kind kind :
             {Kind::Nevnap, Kind::Unnep, Kind::Idopont, Kind::Feladat, Kind::Feljegyzes})
            LoadList(static_cast<std::uint8_t>(kind));
        LoadSettings();
        for (int request = CommandLine::newReminderRequests(arguments); request > 0; --request)
            mFile_NewClick();
        LoadTemplate(static_cast<std::uint8_t>(PageControl->currentIndex()));
        showEditorOf(PageControl->currentIndex());
        RefreshNevnapUnnepLists();
        Timer->start();
        m_saveSettingsOnClose = true;
    });
}

void TfrmMain::showEditorOf(int page) {
    tZimpa->setVisible(page == 0 || page == 1);
    mZimpa->setVisible(page == 2);
}

QString TfrmMain::dataFile(Kind kind) const {
    return m_dataDir + Tables::fileName(kind);
}

QListWidget* TfrmMain::checkList(Kind kind) const {
    switch (kind) {
    case Kind::Idopont:
        return clbIdopont;
    case Kind::Feladat:
        return clbFeladat;
    case Kind::Feljegyzes:
        return clbFeljegyzes;
    default:
        return nullptr;
    }
}

void TfrmMain::LoadList(std::uint8_t kind) {
    if (kind >= KindCount)
        return;
    if (isReminderKind(Kind(kind)))
        loadReminderList(Kind(kind));
    else
        loadDayList(Kind(kind));
}

void TfrmMain::loadReminderList(Kind kind) {
    QListWidget* list = checkList(kind);
    const RuleRefresh::BulkFill bulkFill(m_ruleRefresh);
    list->clear();
    ReminderTable& table = m_tables.reminders(kind);
    const int count = ListFile::load(dataFile(kind), table, RegularFile::Access::ReadWrite);
    for (int i = 0; i < count; ++i) {
        // Made whole before it joins the list, which then hears of it once, not three times.
        auto* item = new QListWidgetItem(table[i].Title());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(table[i].Checked() ? Qt::Checked : Qt::Unchecked);
        list->addItem(item);
    }
    m_loaded[static_cast<int>(kind)] = true;
}

void TfrmMain::loadDayList(Kind kind) {
    const QString path = dataFile(kind);
    switch (CalendarFile::load(path, m_tables.days(kind))) {
    case CalendarFile::LoadResult::Missing:
        Dialogs::information(QStringLiteral("Hiba: A(z) ") + path +
                             QStringLiteral(" fájl nem található!"));
        throw ProgramExit{1};
    case CalendarFile::LoadResult::NotOpenable:
        Dialogs::information(QStringLiteral("Hiba: A(z) ") + path +
                             QStringLiteral(" fájl feldolgozása nem sikerült!"));
        return;
    case CalendarFile::LoadResult::Loaded:
        m_loaded[static_cast<int>(kind)] = true;
        refreshDayDates();
        return;
    }
}

void TfrmMain::SaveList(std::uint8_t kind) {
    if (kind >= KindCount || !m_loaded[kind])
        return;
    switch (Kind(kind)) {
    case Kind::Idopont:
        StoreIdopontChecks();
        break;
    case Kind::Feladat:
        StoreFeladatChecks();
        break;
    case Kind::Feljegyzes:
        StoreFeljegyzesChecks();
        break;
    case Kind::Nevnap:
        if (!CalendarFile::save(dataFile(Kind::Nevnap), m_tables.NevnapList))
            Dialogs::information(QStringLiteral("A névnapok mentése sikertelen."), this);
        return;
    case Kind::Unnep:
        if (!CalendarFile::save(dataFile(Kind::Unnep), m_tables.UnnepList))
            Dialogs::information(QStringLiteral("Az ünnepek elmentése nem sikerült."), this);
        return;
    }
    ListFile::save(dataFile(Kind(kind)), m_tables.reminders(Kind(kind)));
}

void TfrmMain::storeChecks(QListWidget* list, ReminderTable& table) {
    const int count = std::min(list->count(), ReminderTable::Capacity);
    for (int i = 0; i < count; ++i)
        table[i].setChecked(list->item(i)->checkState() == Qt::Checked);
}

void TfrmMain::StoreIdopontChecks() {
    storeChecks(clbIdopont, m_tables.IdopontList);
}
void TfrmMain::StoreFeladatChecks() {
    storeChecks(clbFeladat, m_tables.FeladatList);
}
void TfrmMain::StoreFeljegyzesChecks() {
    storeChecks(clbFeljegyzes, m_tables.FeljegyzesList);
}

int TfrmMain::GetSize(const QListWidget* list) {
    return list->count() - 1;
}

int TfrmMain::GetSelected(const QListWidget* list) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            return i;
    }
    return -1;
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    canClose = runGuarded([this] {
        for (std::uint8_t kind = 0; kind < KindCount; ++kind)
            SaveList(kind);
    });
    // With the tables written, a settings file that cannot be written is reported and the window
    // closes all the same: keeping it open would only trap the user.
    if (canClose && m_saveSettingsOnClose)
        runGuarded([this] { SaveSettings(); });
}

QString TfrmMain::settingsFile() const {
    return m_appDir + MainFormSettings::fileName();
}

void TfrmMain::LoadSettings() {
    MainFormSettings::load(*this, settingsFile());
}

void TfrmMain::SaveSettings() {
    MainFormSettings::save(*this, settingsFile());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose) {
        // The note that is still coming in is no longer wanted.
        m_noteLoader->cancel();
        event->accept();
    } else {
        event->ignore();
    }
}

void TfrmMain::mFile_ExitClick() {
    close();
}

void TfrmMain::comeToFront() {
    if (isMinimized())
        showNormal();
    else if (isHidden())
        show();
    raise();
    activateWindow();
}
