#include "MainFormFixture.h"

#include "NoteLoader.h"
#include "ReminderGrid.h"
#include "RichText.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

using RecordBytes::reminder;

namespace {

QList<TableRow> gridRows(const ReminderGrid* grid) {
    return grid->rows();
}

} // namespace

class ContentTest : public MainFormFixture {
protected:
    void startWith(const QByteArray& appointments, const QByteArray& notes = {}) {
        folder.write(QStringLiteral("time.list"), appointments);
        folder.write(QStringLiteral("memo.list"), notes);
        create();
    }

    void select(QListWidget* list, int line) {
        list->clearSelection();
        list->item(line)->setSelected(true);
    }

    void load(int page, int line) {
        window->PageControl->setCurrentIndex(page);
        QListWidget* lists[] = {window->clbIdopont, window->clbFeladat, window->clbFeljegyzes};
        select(lists[page], line);
        window->mEdit_SubMenu1_LoadClick();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->noteLoading(); }));
    }

    bool saveEnabled() const {
        return window->mFile_Save->isEnabled() && window->ToolButton3->isEnabled() &&
               window->PopupMenu2_Save->isEnabled();
    }
};

TEST_F(ContentTest, StartShowsTheHeaderOfThePagesTemplate) {
    create();
    EXPECT_TRUE(boxes.isEmpty());
    ASSERT_EQ(window->tZimpa->rowCount(), 2);
    EXPECT_EQ(gridRows(window->tZimpa)[0],
              (TableRow{QStringLiteral("Időpont"), QStringLiteral("Emlékeztető")}));
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(window->LoadedTitle.isEmpty());

    // Until a reminder is loaded, each page brings its own template.
    window->PageControl->setCurrentIndex(1);
    EXPECT_EQ(window->tZimpa->cell(0, 0), QStringLiteral("Határidő"));
    EXPECT_FALSE(saveEnabled());
}

// At start the close that OK asks for writes the lists and the window opens all the same; once
// it runs, OK closes it.
TEST_F(ContentTest, AMissingTableTemplateIsReportedAndOkClosesTheWindowOnlyOnceItRuns) {
    QFile::remove(folder.file(QStringLiteral("time/template")));
    startWith(reminder(7, 2, "Fogorvos"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: nem olvasható a(z) ") +
                                 folder.file(QStringLiteral("time/template")) +
                                 QStringLiteral(" sablon!"));
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), reminder(7, 1, "Fogorvos"));
    window->show();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window->isVisible());

    window->PageControl->setCurrentIndex(1);
    window->PageControl->setCurrentIndex(0);
    ASSERT_EQ(boxes.size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 5000);
}

TEST_F(ContentTest, TheTemplateBoxLeftWithItsCloseBoxKeepsTheWindow) {
    QFile::remove(folder.file(QStringLiteral("task/template")));
    create();
    Dialogs::setResponderForTesting([this](Dialogs::Box& box) {
        boxes.append(box);
        box.answer = Dialogs::Answer::Closed;
    });
    window->show();
    window->PageControl->setCurrentIndex(1);
    ASSERT_EQ(boxes.size(), 1);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ContentTest, AnAppointmentLoadsEditsAndSavesByteForByte) {
    startWith(reminder(100, 0, "Els\xF5") + reminder(200, 0, "M\xE1sodik"));
    const QByteArray body = "Id\xF5|\xDCzenet\r\n8:00|Reggeli\r\n9:30|Fogorvos\r\n";
    folder.write(QStringLiteral("time/100"), body);
    load(0, 0);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(window->LoadedTitle, QStringLiteral("Első"));
    ASSERT_EQ(window->tZimpa->rowCount(), 3);
    EXPECT_EQ(gridRows(window->tZimpa)[1],
              (TableRow{QStringLiteral("8:00"), QStringLiteral("Reggeli")}));
    EXPECT_FALSE(saveEnabled()) << "loading is not an edit";

    window->tZimpa->item(2, 1)->setText(QStringLiteral("Fogorvos, új időpont"));
    EXPECT_TRUE(saveEnabled());
    // The save writes the loaded reminder even when another one is selected by then.
    select(window->clbIdopont, 1);
    window->mFile_SaveClick();
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(folder.read(QStringLiteral("time/100")),
              QByteArray("Id\xF5|\xDCzenet\r\n8:00|Reggeli\r\n9:30|Fogorvos, \xFAj "
                         "id\xF5pont\r\n"));
    EXPECT_FALSE(folder.exists(QStringLiteral("time/200")));
    // The lists go out with every save.
    EXPECT_EQ(folder.read(QStringLiteral("time.list")).size(), 2 * 104);
}

TEST_F(ContentTest, WithNothingLoadedASaveWritesTheListsOnly) {
    startWith(reminder(100, 0, "Els\xF5"));
    folder.write(QStringLiteral("time/100"), "a|b\r\n");
    window->clbIdopont->item(0)->setCheckState(Qt::Checked);
    select(window->clbIdopont, 0);
    window->mFile_SaveClick();
    EXPECT_EQ(folder.read(QStringLiteral("time/100")), QByteArray("a|b\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), reminder(100, 1, "Els\xF5"));
    EXPECT_FALSE(saveEnabled());
}

TEST_F(ContentTest, OnTheDayPagesASaveWritesTheListsOnly) {
    startWith(reminder(100, 0, "Els\xF5"));
    folder.write(QStringLiteral("time/100"), "a|b\r\nc|d\r\n");
    load(0, 0);
    window->tZimpa->item(1, 1)->setText(QStringLiteral("x"));
    window->PageControl->setCurrentIndex(3);
    window->mFile_SaveClick();
    EXPECT_EQ(folder.read(QStringLiteral("time/100")), QByteArray("a|b\r\nc|d\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), reminder(100, 0, "Els\xF5"));
}

TEST_F(ContentTest, AMissingBodyIsReportedAndTheEditorKeepsWhatItHeld) {
    startWith(reminder(100, 0, "Els\xF5") + reminder(200, 0, "M\xE1sodik"));
    folder.write(QStringLiteral("time/100"), "a|b\r\nc|d\r\n");
    load(0, 0);
    load(0, 1);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba:\r\nA ") +
                                 folder.file(QStringLiteral("time/200")) +
                                 QStringLiteral(" fájl feldolgozása nem sikerült."));
    EXPECT_EQ(window->LoadedTitle, QStringLiteral("Első"));
    EXPECT_EQ(window->tZimpa->cell(1, 1), QStringLiteral("d"));
    EXPECT_FALSE(saveEnabled());
}

TEST_F(ContentTest, AnEmptyBodyEmptiesTheRowsAndKeepsTheirCount) {
    startWith(reminder(100, 0, "Els\xF5") + reminder(200, 0, "\xDCres"));
    folder.write(QStringLiteral("time/100"), "a|b\r\nc|d\r\ne|f\r\n");
    folder.write(QStringLiteral("time/200"), "");
    load(0, 0);
    load(0, 1);
    ASSERT_EQ(window->tZimpa->rowCount(), 3);
    EXPECT_EQ(gridRows(window->tZimpa),
              (QList<TableRow>{{QStringLiteral("a"), QStringLiteral("b")}, {}, {}}));
    EXPECT_EQ(window->LoadedTitle, QStringLiteral("Üres"));
}

TEST_F(ContentTest, ABodyOfTheHeaderAloneStillHasARowToFill) {
    startWith(reminder(100, 0, "Fej"));
    folder.write(QStringLiteral("time/100"), "Id\xF5|Sz\xF6veg");
    load(0, 0);
    ASSERT_EQ(window->tZimpa->rowCount(), 2);
    EXPECT_EQ(window->tZimpa->cell(0, 1), QStringLiteral("Szöveg"));
    EXPECT_EQ(window->tZimpa->cell(1, 1), QString());
}

TEST_F(ContentTest, AFailedWriteIsReportedAndKeepsTheOldBody) {
    startWith(reminder(100, 0, "Els\xF5"));
    folder.write(QStringLiteral("time/100"), "a|b\r\nc|d\r\n");
    load(0, 0);
    window->tZimpa->item(1, 1)->setText(QStringLiteral("x"));
    failWritesOf(QStringLiteral("time/100"));
    window->mFile_SaveClick();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: a(z) ") + folder.path() +
                                 QStringLiteral("time/100 fájlt nem lehet írni."));
    EXPECT_EQ(folder.read(QStringLiteral("time/100")), QByteArray("a|b\r\nc|d\r\n"));
}

TEST_F(ContentTest, APlainNoteLoadsAndIsSavedAsRichTextThatLoadsAgain) {
    startWith({}, reminder(300, 0, "Jegyzet"));
    folder.write(QStringLiteral("memo/300"),
                 "\xC1rv\xEDzt\xFBr\xF5 {t\xFCk\xF6rf\xFAr\xF3g\xE9p}\r\n"
                 "m\xE1sodik sor\r\n");
    load(2, 0);
    EXPECT_EQ(window->mZimpa->toPlainText(),
              QStringLiteral("Árvíztűrő {tükörfúrógép}\nmásodik sor\n"));
    EXPECT_FALSE(saveEnabled());
    QTextCursor cursor = window->mZimpa->textCursor();
    cursor.movePosition(QTextCursor::End);
    window->mZimpa->setTextCursor(cursor);
    window->mZimpa->insertPlainText(QStringLiteral("\\ vége"));
    EXPECT_TRUE(saveEnabled());
    window->mFile_SaveClick();
    const QByteArray saved = folder.read(QStringLiteral("memo/300"));
    EXPECT_TRUE(saved.startsWith("{\\rtf1")) << saved.constData();

    window->mZimpa->clear();
    load(2, 0);
    EXPECT_EQ(window->mZimpa->toPlainText(),
              QStringLiteral("Árvíztűrő {tükörfúrógép}\nmásodik sor\n\\ vége"));
}

TEST_F(ContentTest, OnceLoadedThePagesNoLongerBringTheirTemplates) {
    folder.write(QStringLiteral("memo/template"), "Sablon\r\n");
    startWith(reminder(100, 0, "Els\xF5"));
    folder.write(QStringLiteral("time/100"), "a|b\r\nc|d\r\n");
    window->PageControl->setCurrentIndex(2);
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral("Sablon\n"));
    load(0, 0);
    window->PageControl->setCurrentIndex(1);
    window->PageControl->setCurrentIndex(2);
    EXPECT_EQ(window->tZimpa->cell(0, 0), QStringLiteral("a"));
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral("Sablon\n"));
}

TEST_F(ContentTest, AMissingNoteTemplateLeavesTheNoteBoxAsItWas) {
    create();
    window->mZimpa->setPlainText(QStringLiteral("megmarad"));
    window->PageControl->setCurrentIndex(2);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral("megmarad"));
}

// A large note comes into the editor while the window goes on. A save meanwhile writes the whole
// note, never the part that has come so far, and a click in it is no edit.
TEST_F(ContentTest, ASaveWhileANoteComesInWritesItWhole) {
    startWith({}, reminder(300, 0, "Nagy"));
    QByteArray note;
    for (int i = 0; i < 30000; ++i)
        note += "sor " + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("memo/300"), note);
    window->PageControl->setCurrentIndex(2);
    select(window->clbFeljegyzes, 0);
    window->mEdit_SubMenu1_LoadClick();
    ASSERT_TRUE(window->noteLoading());
    window->mZimpa->moveCursor(QTextCursor::End);
    EXPECT_FALSE(saveEnabled());
    window->mFile_SaveClick();
    EXPECT_FALSE(window->noteLoading());
    QTextDocument saved;
    RichText::load(folder.read(QStringLiteral("memo/300")), saved);
    EXPECT_EQ(saved.blockCount(), 30001);
    EXPECT_EQ(saved.findBlockByNumber(29999).text(), QStringLiteral("sor 29999"));
}

// A note the editor refuses to take leaves it holding none: a save then writes the lists only
// and the note's file stays as it is.
TEST_F(ContentTest, ARefusedNoteIsNeverSavedOver) {
    startWith({}, reminder(300, 0, "Hossz\xFA"));
    const QByteArray note(NoteLoader::MaxParagraph + 1, 'x');
    folder.write(QStringLiteral("memo/300"), note);
    load(2, 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first().text.contains(folder.file(QStringLiteral("memo/300"))));
    EXPECT_FALSE(window->editorHolds().has_value());
    window->mZimpa->insertPlainText(QStringLiteral("új"));
    window->mFile_SaveClick();
    EXPECT_EQ(folder.read(QStringLiteral("memo/300")), note);
}
