#include "DesktopTest.h"
#include "Polling.h"
#include "PrivateCups.h"
#include "ReminderRecordBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

#include <unistd.h>

namespace {

// The appointment printed: its rows as the content file holds them (Windows-1250), and the
// lines they must give on paper.
const QByteArray AppointmentRows =
    "Id\xF5pont|Eml\xE9keztet\xF5\r\n"
    "08:30|Fogorvos: \xE1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n"
    "|\r\n"
    "10:00|\r\n";
const QStringList PrintedLines{QStringLiteral("Zimpa - (Időpont: Fogorvos és fodrász)"),
                               QString(),
                               QStringLiteral("Időpont - Emlékeztető"),
                               QStringLiteral("08:30 - Fogorvos: árvíztűrő tükörfúrógép"),
                               QStringLiteral("-"),
                               QStringLiteral("10:00 -")};

// Printing from the organiser to the print queues of the desktop it runs on.
class PrintingTest : public DesktopTest {
protected:
    // The organiser started over one appointment, which is selected on the first page and, when
    // asked, loaded into the grid.
    void startWithAppointment(bool load) {
        ASSERT_TRUE(folder().write(
            QStringLiteral("time.list"),
            ReminderRecordBytes(1700000100, 0, "Fogorvos \xE9s fodr\xE1sz").bytes()));
        ASSERT_TRUE(folder().write(QStringLiteral("time/1700000100"), AppointmentRows));
        m_run = &startOrganiser();
        m_window = waitForMainWindow(*m_run);
        ASSERT_NE(m_window, 0u) << m_run->describe().toStdString();
        ASSERT_TRUE(waitUntilActive(m_window));
        // The page tabs have the keyboard: the first page, then its list, and the line by its
        // first letter.
        ASSERT_TRUE(keys(QStringLiteral("Left Left Left Left Tab f") + (load ? " Return" : "")));
    }

    void choosePrint() { ASSERT_TRUE(keys(QStringLiteral("alt+f n"))); }

    ProgramRun* m_run = nullptr;
    WindowId m_window = 0;
};

// The same on a print system of the test's own, which a test may make refuse or stop.
class PrintSystemTest : public PrintingTest {
protected:
    void SetUp() override {
        PrintingTest::SetUp();
        if (!cups.isReady() && ::geteuid() != 0)
            GTEST_SKIP() << cups.error().toStdString();
        ASSERT_TRUE(cups.isReady()) << cups.error().toStdString();
        setEnvironmentVariable(QStringLiteral("CUPS_SERVER"), cups.server());
    }

    // The print dialog open (in English or, with Qt's Hungarian translation installed, in
    // Hungarian); Return then prints on the desktop's default printer.
    void openPrintDialog() {
        choosePrint();
        m_dialog = waitForWindow(*m_run, QStringLiteral("^(Print|Nyomtatás)$"));
        ASSERT_NE(m_dialog, 0u) << "no print dialog\n" << m_run->describe().toStdString();
        ASSERT_TRUE(desktop().activate(m_dialog));
    }

    // The final message, and after it the failure in a box of its own; then the window again.
    void expectTheFinalMessageThenAFailure(const QString& picture) {
        const WindowId sent = waitForBox(*m_run);
        ASSERT_NE(sent, 0u) << m_run->describe().toStdString();
        ASSERT_TRUE(confirmBox(sent));
        ASSERT_TRUE(waitUntilGone(sent));
        const WindowId failure = waitForBox(*m_run);
        ASSERT_NE(failure, 0u) << "the failure was not reported\n"
                               << m_run->describe().toStdString();
        saveScreenshot(failure, picture);
        ASSERT_TRUE(confirmBox(failure));
        EXPECT_TRUE(waitUntilActive(m_window));
    }

    PrivateCups cups;
    WindowId m_dialog = 0;
};

TEST_F(PrintSystemTest, AppointmentGoesToAPdfPrinterOfTheDesktop) {
    ASSERT_NO_FATAL_FAILURE(startWithAppointment(true));
    ASSERT_NO_FATAL_FAILURE(openPrintDialog());
    saveScreenshot(m_dialog, QStringLiteral("print-dialog"));
    // The desktop's default printer is chosen; Return prints.
    ASSERT_TRUE(keys(QStringLiteral("Return")));

    const WindowId box = waitForBox(*m_run);
    ASSERT_NE(box, 0u) << m_run->describe().toStdString();
    saveScreenshot(box, QStringLiteral("print-sent"));
    ASSERT_TRUE(confirmBox(box));

    const QString pdf = cups.printedFile();
    ASSERT_TRUE(Polling::waitUntil([&] { return QFileInfo(pdf).size() > 0 && cups.isIdle(); },
                                   Polling::StartTimeout, std::chrono::milliseconds(200)))
        << "no PDF came out of the printer\n"
        << cups.log().toStdString();
    // The print job's title, as the scheduler's page record names it.
    EXPECT_TRUE(cups.pageLog().split(QLatin1Char(' ')).contains(QStringLiteral("Zimpa")))
        << cups.pageLog().toStdString();
    const ProgramRun::Result text =
        ProgramRun::run(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                         pdf, QStringLiteral("-")},
                        environment(), Polling::StepTimeout);
    ASSERT_TRUE(text.succeeded()) << "pdftotext (Debian poppler-utils): "
                                  << text.errors.toStdString();
    // Each line without the blanks the layout puts around it; the page's text ends with the last.
    const QStringList lines = QString::fromUtf8(text.output)
                                  .remove(QLatin1Char('\f'))
                                  .trimmed()
                                  .split(QRegularExpression(QStringLiteral("[ \\t]*\n[ \\t]*")));
    EXPECT_EQ(lines, PrintedLines) << QString::fromUtf8(text.output).toStdString();

    // The printed page as a picture, to be looked at.
    QDir().mkpath(artefactFolder());
    ProgramRun::run(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                     QStringLiteral("-singlefile"), pdf,
                     artefactFolder() + QStringLiteral("/print-appointment-page")},
                    environment(), Polling::StepTimeout);
}

// The print system's answer to the job is what counts: a queue that rejects jobs, or a scheduler
// that went away after the dialog, takes nothing, and the user is told so after the final message.
TEST_F(PrintSystemTest, AJobThePrintSystemDoesNotTakeIsReportedAfterTheFinalMessage) {
    ASSERT_TRUE(cups.rejectJobs()) << cups.error().toStdString();
    ASSERT_NO_FATAL_FAILURE(startWithAppointment(true));
    ASSERT_NO_FATAL_FAILURE(openPrintDialog());
    ASSERT_TRUE(keys(QStringLiteral("Return")));
    ASSERT_NO_FATAL_FAILURE(expectTheFinalMessageThenAFailure(QStringLiteral("print-rejected")));

    ASSERT_NO_FATAL_FAILURE(openPrintDialog());
    cups.stopScheduler();
    ASSERT_TRUE(keys(QStringLiteral("Return")));
    ASSERT_NO_FATAL_FAILURE(
        expectTheFinalMessageThenAFailure(QStringLiteral("print-scheduler-gone")));
    EXPECT_FALSE(QFileInfo::exists(cups.printedFile()));
}

// A stopped printer keeps the job for when it goes on: the job was taken, nothing failed.
TEST_F(PrintSystemTest, AStoppedPrinterHoldsTheJobWithoutAFailure) {
    ASSERT_TRUE(cups.stopPrinter()) << cups.error().toStdString();
    ASSERT_NO_FATAL_FAILURE(startWithAppointment(true));
    ASSERT_NO_FATAL_FAILURE(openPrintDialog());
    ASSERT_TRUE(keys(QStringLiteral("Return")));
    const WindowId sent = waitForBox(*m_run);
    ASSERT_NE(sent, 0u) << m_run->describe().toStdString();
    ASSERT_TRUE(confirmBox(sent));
    EXPECT_TRUE(waitUntilActive(m_window)) << "a failure was reported";
    EXPECT_FALSE(cups.isIdle()) << "the job is not held";
    EXPECT_FALSE(QFileInfo::exists(cups.printedFile()));
}

TEST_F(PrintingTest, WithoutAPrintQueueTheOrganiserSaysSo) {
    // A print system that is not there has no queue either.
    QTemporaryDir nowhere;
    setEnvironmentVariable(QStringLiteral("CUPS_SERVER"),
                           nowhere.filePath(QStringLiteral("cups.sock")));
    ASSERT_NO_FATAL_FAILURE(startWithAppointment(false));
    choosePrint();
    const WindowId box = waitForBox(*m_run);
    ASSERT_NE(box, 0u) << m_run->describe().toStdString();
    EXPECT_EQ(desktop().windowName(box), BoxCaption);
    // The X tools see a box's caption only; the picture shows its text.
    saveScreenshot(box, QStringLiteral("print-no-printer"));
    ASSERT_TRUE(confirmBox(box));
    EXPECT_TRUE(waitUntilActive(m_window));
}

} // namespace
