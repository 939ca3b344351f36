#include "ViewFormFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

using RecordBytes::reminder;

namespace {

const QByteArray Table = "Id\xF5pont|Eml\xE9keztet\xF5\r\n8:00|Reggeli\r\n";

} // namespace

class ViewFormStartTest : public ViewFormFixture {};

TEST_F(ViewFormStartTest, WithoutArgumentsTheBoxListsTheOptionsAndOkEndsTheProgram) {
    EXPECT_FALSE(create({}));
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Zimpa V2.00"));
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("Hiányzó paraméter:\nA program futtatásához legalább egy paramétert "
                             "meg kell adni!\n\nHasználható paraméterek:\n-S\n-D <PATH>\n-X <POS>\n"
                             "-Y <POS>\n-L\n\nA -L paraméter használatával további információkat "
                             "kaphatsz a programról és a program általános közreadási "
                             "feltételeiről."));
    EXPECT_EQ(registered(), QList<qint32>()) << "out of the register before the box";
}

TEST_F(ViewFormStartTest, WithoutArgumentsTheCloseBoxLeavesAnEmptyUnregisteredViewerRunning) {
    answer = Dialogs::Answer::Closed;
    ASSERT_TRUE(create({}));
    EXPECT_EQ(window->ViewerId(), std::nullopt);
    EXPECT_EQ(registered(), QList<qint32>());
    EXPECT_EQ(window->tZimpa->rowCount(), 24);
    EXPECT_FALSE(window->Timer1->isActive());
    window->close();
    EXPECT_EQ(registered(), QList<qint32>());
    EXPECT_TRUE(folder.exists(QStringLiteral("Zimpa.ini"))) << "its settings are written at close";
}

TEST_F(ViewFormStartTest, TheInformationBoxTellsTheTermsAndItsCloseBoxGoesOnWithTheNextArgument) {
    folder.write(QStringLiteral("time/5"), Table);
    answer = Dialogs::Answer::Closed;
    ASSERT_TRUE(create({QStringLiteral("-l"), QStringLiteral("-D"), QStringLiteral("time/5")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(
        boxes[0].text.contains(QStringLiteral("szabadon és díjmentesen használható, másolható")));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("garancia nélkül")));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    EXPECT_EQ(window->ViewerId(), std::nullopt) << "it runs on without an entry";
    EXPECT_EQ(registered(), QList<qint32>());

    answer = Dialogs::Answer::Ok;
    EXPECT_FALSE(create({QStringLiteral("-D"), QStringLiteral("time/5"), QStringLiteral("-L")}));
    EXPECT_EQ(registered(), QList<qint32>());
}

TEST_F(ViewFormStartTest, PositionsFromTheCommandLineOverrideTheSettings) {
    folder.write(QStringLiteral("Zimpa.ini"), "[ViewForm]\r\nTop=300\r\nLeft=400\r\n");
    folder.write(QStringLiteral("time/5"), Table);
    ASSERT_TRUE(create({QStringLiteral("-X"), QStringLiteral("100"), QStringLiteral("-Y"),
                        QStringLiteral("50"), QStringLiteral("-D"), QStringLiteral("time\\5")}));
    EXPECT_EQ(window->pos(), QPoint(100, 50));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ViewFormStartTest, APositionThatIsNoNumberStopsTheCommandLineThere) {
    folder.write(QStringLiteral("time/5"), Table);
    ASSERT_TRUE(create({QStringLiteral("-X"), QStringLiteral("abc"), QStringLiteral("-D"),
                        QStringLiteral("time/5")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_FALSE(window->Timer1->isActive()) << "the later -D was not handled";
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()}));

    boxes.clear();
    ASSERT_TRUE(create({QStringLiteral("-Y")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'' is not a valid integer value."));
}

TEST_F(ViewFormStartTest, AValueThatSpellsAnOptionIsShownAndThenActsAsTheOption) {
    folder.write(QStringLiteral("time.list"), reminder(5, 1, "Ma", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/5"), Table);
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("-S")}));
    EXPECT_TRUE(boxes.isEmpty()) << "a note named -S that is not there is passed over";
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli")) << "then the scan ran";
    EXPECT_EQ(window->CurrentFile(), folder.file(QStringLiteral("time/5")));
}

TEST_F(ViewFormStartTest, EveryViewerDrawsANumberNoOtherHolds) {
    QByteArray taken;
    for (qint32 number = 0; number < 1024; ++number) {
        if (number != 612)
            taken += QByteArray(reinterpret_cast<const char*>(&number), 4);
    }
    folder.write(QStringLiteral("pl.data"), taken);
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
    EXPECT_EQ(window->ViewerId(), 612);

    // A full register: this viewer runs without an entry and leaves the others alone.
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
    EXPECT_EQ(window->ViewerId(), std::nullopt);
    EXPECT_EQ(registered().size(), 1024);
    window->close();
    EXPECT_EQ(registered().size(), 1024);
}

TEST_F(ViewFormStartTest, ARegisterThatCannotBeWrittenIsReportedAndTheViewerRunsOn) {
    failWritesOf(QStringLiteral("pl.data"));
    folder.write(QStringLiteral("time/5"), Table);
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("time/5")}));
    EXPECT_EQ(window->ViewerId(), std::nullopt);
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Disk full."));
}

TEST_F(ViewFormStartTest, TheWindowTakesTheIconOfItsTrayIcon) {
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->windowIcon().cacheKey(), window->TrayIcon->Icon().cacheKey());
    EXPECT_FALSE(window->TrayIcon->IconVisible());
}

TEST_F(ViewFormStartTest, ANewOrganiserIsStartedFromTheProgramFolder) {
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
    startResult = Shell::StartResult::FileNotFound;
    window->PopupMenu1_New->trigger();
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0].program, folder.file(QStringLiteral("Zimpa")));
    EXPECT_EQ(starts[0].arguments, QStringList());
    EXPECT_EQ(starts[0].folder, QString());
    EXPECT_TRUE(boxes.isEmpty()) << "its result is not looked at";
}

TEST_F(ViewFormStartTest, AViewerThatCannotBeStartedIsReportedByTheReason) {
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
    const QString program = folder.path().toUpper() + QStringLiteral("VIEWER");
    const QList<std::pair<Shell::StartResult, QString>> cases = {
        {Shell::StartResult::OutOfResources,
         QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!")},
        {Shell::StartResult::OutOfMemory,
         QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!")},
        {Shell::StartResult::FileNotFound,
         QStringLiteral("Nem található a(z) ") + program + QStringLiteral(" program!")},
        {Shell::StartResult::PathNotFound,
         QStringLiteral("Nem található a(z) ") + program + QStringLiteral(" elérési út!")},
        {Shell::StartResult::AccessDenied,
         QStringLiteral("A(z) ") + program + QStringLiteral(" fájlhoz a hozzáférés megtagadva!")},
        {Shell::StartResult::BadFormat,
         QStringLiteral("Hibás a(z) ") + program + QStringLiteral(" fájl!")},
    };
    for (const auto& [result, text] : cases) {
        boxes.clear();
        startResult = result;
        window->StartViewer({QStringLiteral("-D"), QStringLiteral("task/2")});
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba:\n\r") + text);
    }
    boxes.clear();
    startResult = Shell::StartResult::Started;
    window->StartViewer({QStringLiteral("-D"), QStringLiteral("task/2")});
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(starts.last().program, folder.file(QStringLiteral("Viewer")));
    EXPECT_EQ(starts.last().arguments, QStringList({"-D", "task/2"}));
    EXPECT_EQ(starts.last().folder, QString()) << "the new viewer shares this one's folder";
}
