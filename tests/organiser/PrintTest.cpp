#include "MainWindowFixture.h"

#include "Guard.h"
#include "PrintDialog.h"
#include "PrinterText.h"
#include "ReminderGrid.h"

#include <QListWidget>
#include <QPrinter>
#include <QTableWidget>
#include <QTextEdit>

#include <optional>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString NoPrinter = QStringLiteral("Hiba:\n\rNincs használható nyomtató!");
const QString NothingToPrint = QStringLiteral("Hiba:\n\rNincs kinyomtatható bejegyzés!");
const QString Sent = QStringLiteral(
    "Az adatok ki lettek küldve a nyomtatóra, a nyomtatásnak hamarosan el kell kezdődnie.");

// The organiser on a desktop with one printer, whose print dialog a test answers by choosing a
// PDF file as the printer. What the printer received is kept page by page.
class PrintTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        PrintDialog::setPrintersForTesting(QStringList{QStringLiteral("Irodai")});
        PrintDialog::setResponderForTesting([this](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirm;
        });
        PrinterText::setRecorderForTesting(
            [this](const PrinterText::Document& document) { printed = document; });
    }

    void TearDown() override {
        PrintDialog::setPrintersForTesting(std::nullopt);
        PrintDialog::setResponderForTesting({});
        PrinterText::setRecorderForTesting({});
        MainWindowFixture::TearDown();
    }

    void print() {
        runGuarded([this] { window->mFile_PrintClick(); });
    }

    void setRows(const QList<TableRow>& rows) {
        window->tZimpa->setRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            window->tZimpa->setCell(r, 0, rows[r].time);
            window->tZimpa->setCell(r, 1, rows[r].message);
        }
    }

    // Every printed line, the pages one after the other.
    QStringList printedLines() const {
        QStringList lines;
        for (const QStringList& page : printed->pages)
            lines += page;
        return lines;
    }

    void expectOnlyBox(const QString& text) const {
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
        EXPECT_EQ(boxes[0].text, text);
    }

    QString pdf = folder.file(QStringLiteral("nyomtatas.pdf"));
    bool confirm = true;
    int dialogs = 0;
    std::optional<PrinterText::Document> printed;
};

} // namespace

TEST_F(PrintTest, NothingIsPrintedWithoutPrinterContentOrConfirmation) {
    start(1, 0, 1);
    window->clbIdopont->item(0)->setSelected(true);
    setRows({{QStringLiteral("Időpont"), QStringLiteral("Emlékeztető")},
             {QStringLiteral("08:00"), QString()},
             {QStringLiteral("09:30"), QString()}});
    PrintDialog::setPrintersForTesting(QStringList{});
    print();
    expectOnlyBox(NoPrinter);

    // Times without a message, an empty note, an empty day list.
    PrintDialog::setPrintersForTesting(QStringList{QStringLiteral("Irodai")});
    for (const Kind page : {Kind::Idopont, Kind::Feladat, Kind::Feljegyzes, Kind::Unnep}) {
        boxes.clear();
        window->setActivePageSilently(int(page));
        print();
        expectOnlyBox(NothingToPrint);
    }
    EXPECT_EQ(dialogs, 0);

    // A message to print, and the dialog cancelled: no message, no document.
    boxes.clear();
    window->setActivePageSilently(int(Kind::Idopont));
    window->tZimpa->setCell(1, 1, QStringLiteral("x"));
    confirm = false;
    print();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_FALSE(printed);
    EXPECT_FALSE(QFile::exists(pdf));
}

// The selected reminder's name in the title, and the PDF the printer made, are checked on a real
// desktop (tests/desktop/PrintingTest).
TEST_F(PrintTest,
       TheGridPrintsEveryRowHeaderFirstUnderATitleThatNamesNoReminderWhenNoneIsSelected) {
    start(2, 1);
    setRows({{QStringLiteral("Időpont"), QStringLiteral("Emlékeztető")},
             {QStringLiteral("08:00"), QString()},
             {QStringLiteral("09:30"), QStringLiteral("Fogorvos – ő, ű")}});
    window->setActivePageSilently(int(Kind::Feladat));
    print();
    expectOnlyBox(Sent);
    ASSERT_TRUE(printed);
    EXPECT_EQ(printedLines(),
              QStringList({QStringLiteral("Zimpa - (Feladat: )"), QString(),
                           QStringLiteral("Időpont - Emlékeztető"), QStringLiteral("08:00 - "),
                           QStringLiteral("09:30 - Fogorvos – ő, ű")}));
}

TEST_F(PrintTest, NoteKeepsItsOwnLineBreaksAndALineWiderThanThePageGoesOnBelow) {
    start(0, 0, 1);
    window->setActivePageSilently(int(Kind::Feljegyzes));
    window->clbFeljegyzes->item(0)->setSelected(true);
    const QString wide = QStringLiteral("Nagyon hosszú üzenet, ").repeated(40);
    window->mZimpa->setPlainText(QStringLiteral("Első sor\nMásodik\n\n") + wide);
    print();
    ASSERT_TRUE(printed);
    const QStringList lines = printedLines();
    EXPECT_EQ(lines.mid(0, 5),
              QStringList({QStringLiteral("Zimpa - (Feljegyzés: Sor 1)"), QString(),
                           QStringLiteral("Első sor"), QStringLiteral("Második"), QString()}));
    EXPECT_GT(lines.size(), 6);
    EXPECT_EQ(lines.mid(5).join(QString()), wide);
}

TEST_F(PrintTest, LongDayListGoesOnOverPagesEntryByEntry) {
    start(0);
    window->setActivePageSilently(int(Kind::Unnep));
    addLines(window->lbUnnep, 300);
    print();
    expectOnlyBox(Sent);
    ASSERT_TRUE(printed);
    QStringList expected{QStringLiteral("Zimpa - Ünnepek listája"), QString()};
    for (int i = 0; i < window->lbUnnep->count(); ++i)
        expected.append(window->lbUnnep->item(i)->text());
    EXPECT_EQ(printedLines(), expected);
    EXPECT_GT(printed->pages.size(), 1);
}

// Every failure after the dialog, where the document is made and where it goes, is reported after
// the final message in the run-time's words, and leaves an existing file as it was. The print
// queues' refusals are tried on a real print system (tests/desktop/PrintingTest).
TEST_F(PrintTest, EveryFailureAfterTheDialogIsReportedAfterTheFinalMessage) {
    start(1);
    window->setActivePageSilently(int(Kind::Nevnap));
    addLines(window->lbNevnap, 2);
    const QByteArray old = "%PDF-1.4 an earlier print";
    const QString temporaries = qEnvironmentVariable("TMPDIR");
    const auto failsWith = [&](const QString& text) {
        boxes.clear();
        printed.reset();
        print();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
        EXPECT_EQ(boxes[0].text, Sent);
        EXPECT_EQ(boxes[1].kind, Dialogs::Kind::Error);
        EXPECT_EQ(boxes[1].text, text);
        EXPECT_FALSE(printed);
    };

    pdf = folder.file(QStringLiteral("missing/nyomtatas.pdf"));
    failsWith(QStringLiteral("File not found."));
    // Neither a device nor a pipe is written as a file.
    pdf = QStringLiteral("/dev/full");
    failsWith(QStringLiteral("File access denied."));

    pdf = folder.file(QStringLiteral("nyomtatas.pdf"));
    folder.write(QStringLiteral("nyomtatas.pdf"), old);
    failWritesOf(QStringLiteral("nyomtatas.pdf"));
    failsWith(QStringLiteral("Disk full."));
    EXPECT_EQ(folder.read(QStringLiteral("nyomtatas.pdf")), old);
    AtomicFile::setFaultForTesting({});

    // The document itself is made in the temporary folder first.
    qputenv("TMPDIR", QFile::encodeName(folder.file(QStringLiteral("gone"))));
    failsWith(QStringLiteral("File not found."));
    qputenv("TMPDIR", temporaries.toLocal8Bit());
    // A disk that takes only the first bytes of the document: the print engine does not tell.
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const struct rlimit small = {600, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    failsWith(QStringLiteral("I/O error 5."));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(folder.read(QStringLiteral("nyomtatas.pdf")), old);
}
