// The window's creation steps: the register, the settings and the command line with its
// information boxes, the start-up scan and the start of further viewers.
#include "ViewForm.h"

#include "AsciiCase.h"
#include "Clock.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "Guard.h"
#include "ListFile.h"
#include "ProgramExit.h"
#include "ProgramInfo.h"
#include "RegionalFormats.h"
#include "ReminderDue.h"
#include "ReminderId.h"
#include "Shell.h"
#include "StartFailure.h"
#include "Tables.h"
#include "TrayIcon.h"
#include "ViewerCommandLine.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

#include <memory>

namespace {

using Option = ViewerCommandLine::Step::Option;

const QString MissingArguments = QStringLiteral(
    "Hiányzó paraméter:\n"
    "A program futtatásához legalább egy paramétert meg kell adni!\n"
    "\n"
    "Használható paraméterek:\n"
    "-S\n"
    "-D <PATH>\n"
    "-X <POS>\n"
    "-Y <POS>\n"
    "-L\n"
    "\n"
    "A -L paraméter használatával további információkat kaphatsz a programról és a program "
    "általános közreadási feltételeiről.");

const QString Information =
    QStringLiteral(
        "Zimpa V2.00 (Előzetes) - Megjelenítő\n"
        "\n"
        "A Megjelenítő a Zimpa rendszerező társprogramja: egy-egy elmentett időpontot, feladatot "
        "vagy feljegyzést mutat meg az asztalon, elrejthető a tálca értesítési területére, és az "
        "időpontok idején figyelmeztető ablakban emlékeztet.\n"
        "\n"
        "Közreadási feltételek:\n") +
    ProgramInfo::LicenceTerms;

// The three kinds in the order the scan takes them.
constexpr Kind ScannedKinds[] = {Kind::Idopont, Kind::Feladat, Kind::Feljegyzes};

// A random offset from 0 to below the room left; none when the window fills the room.
int randomOffset(int room) {
    return room > 0 ? QRandomGenerator::global()->bounded(room) : 0;
}

} // namespace

void TfrmView::FormCreate(const QString& programFolder, const QStringList& arguments) {
    runGuarded([&] {
        m_exeDir = programFolder;
        registerInstance();
        setWindowIcon(TrayIcon->Icon());
        LoadSettings();
        if (!ViewerCommandLine::hasArguments(arguments)) {
            leaveRegister();
            showInformation(MissingArguments);
            return;
        }
        runCommandLine(arguments);
    });
}

void TfrmView::runCommandLine(const QStringList& arguments) {
    for (const ViewerCommandLine::Step& step : ViewerCommandLine::steps(arguments)) {
        switch (step.option) {
        case Option::Scan:
            StartupScan();
            break;
        case Option::Show:
            LoadFile(step.value.value_or(QString()));
            break;
        case Option::Left:
            move(ViewerCommandLine::position(step.value), y());
            break;
        case Option::Top:
            move(x(), ViewerCommandLine::position(step.value));
            break;
        case Option::Information:
            leaveRegister();
            showInformation(Information);
            break;
        }
    }
}

// Left with OK, the box ends the program at once; left with its close box, the start goes on.
void TfrmView::showInformation(const QString& text) {
    if (Dialogs::informationAnswered(text, this) == Dialogs::Answer::Ok)
        throw ProgramExit{0};
}

void TfrmView::StartupScan() {
    bool first = true;
    bool shown = false;
    for (const Kind kind : ScannedKinds)
        scanList(kind, first, shown);
    if (!shown) {
        leaveRegister();
        throw ProgramExit{0};
    }
}

void TfrmView::scanList(Kind kind, bool& first, bool& shown) {
    const auto records = std::make_unique<ReminderTable>();
    // The list file lies in the current folder. One that cannot be read, and a date that does
    // not read, end the scan with the run-time's error; the window opens with what was done.
    const int count = ListFile::load(Tables::fileName(kind), *records);
    const QDate today = Clock::now().date();
    const QString shortFormat = RegionalFormats::shortDateFormat();
    for (int i = 0; i < count; ++i) {
        const TReminderRec& record = (*records)[i];
        if (!ReminderDue::isDue(record, today, shortFormat))
            continue;
        const QString content = ContentFile::folder(kind) + ReminderId::text(record.ID());
        if (first) {
            first = false;
            LoadFile(m_exeDir + content);
            shown = true;
        } else {
            startFurtherViewer(content);
        }
    }
}

void TfrmView::startFurtherViewer(const QString& content) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->geometry().size() : QSize();
    const int left = randomOffset(room.width() - width());
    const int top = randomOffset(room.height() - height());
    StartViewer({QStringLiteral("-D"), content, QStringLiteral("-X"), QString::number(left),
                 QStringLiteral("-Y"), QString::number(top)});
}

void TfrmView::StartViewer(const QStringList& params) {
    // No working folder: the new viewer shares this one's register and list files.
    const Shell::StartResult result = Shell::startProgram(m_exeDir + viewerProgram(), params);
    const QString message =
        StartFailure::message(result, asciiUpper(m_exeDir) + asciiUpper(viewerProgram()));
    if (!message.isEmpty())
        Dialogs::error(message, this);
}
