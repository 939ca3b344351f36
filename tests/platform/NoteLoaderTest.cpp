#include "NoteLoader.h"

#include "RichText.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// A note of many short paragraphs, each with a bold word, as a word processor writes them.
QByteArray manyParagraphs(int count) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0 ";
    for (int i = 1; i <= count; ++i)
        rtf += "Bekezd\\'e9s " + QByteArray::number(i) + " \\b f\\'e9lk\\'f6v\\'e9r\\b0\\par\r\n";
    return rtf + "}";
}

class NoteLoaderTest : public ::testing::Test {
protected:
    bool awaitEnd() {
        return QTest::qWaitFor([this] { return !loader.isLoading(); });
    }

    // The same bytes as the one-step load puts them into a document.
    QString atOnce(const QByteArray& bytes) {
        QTextDocument document;
        RichText::load(bytes, document);
        return document.toPlainText();
    }

    QTextEdit box;
    NoteLoader loader{&box};
    QSignalSpy loaded{&loader, &NoteLoader::loaded};
    QSignalSpy refused{&loader, &NoteLoader::refused};
};

} // namespace

TEST_F(NoteLoaderTest, ALargeNoteComesInPiecesAndEndsAsTheOneStepLoad) {
    const QByteArray note = manyParagraphs(20000);
    int edits = 0;
    QObject::connect(box.document(), &QTextDocument::contentsChange, &box, [&] { ++edits; });
    box.setPlainText(QStringLiteral("előző"));
    loader.load(note, QStringLiteral("memo/1"));
    EXPECT_TRUE(box.toPlainText().isEmpty()) << "emptied at once";
    EXPECT_TRUE(box.isReadOnly());
    edits = 0;
    ASSERT_TRUE(awaitEnd());
    EXPECT_GT(edits, 2) << "one piece an edit, the window answering between them";
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_FALSE(box.isReadOnly());
    EXPECT_EQ(box.toPlainText(), atOnce(note));
    EXPECT_EQ(box.textCursor().position(), 0);
    EXPECT_TRUE(box.document()->findBlockByNumber(19999).charFormat().isValid());
    EXPECT_FALSE(box.document()->isUndoAvailable());
}

// What needs the whole note (a save, a print) gets it; a cancelled load stops where it is.
TEST_F(NoteLoaderTest, FinishPutsTheRestInAtOnceAndCancelStopsWhereItIs) {
    const QByteArray note = manyParagraphs(20000);
    loader.load(note, QStringLiteral("memo/1"));
    loader.finish();
    EXPECT_FALSE(loader.isLoading());
    EXPECT_EQ(box.toPlainText(), atOnce(note));
    EXPECT_EQ(loaded.count(), 1);

    box.setReadOnly(true);
    loader.load(note, QStringLiteral("memo/1"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return box.document()->blockCount() > 1; }));
    loader.cancel();
    const int blocks = box.document()->blockCount();
    EXPECT_LT(blocks, 20000);
    QTest::qWait(50);
    EXPECT_EQ(box.document()->blockCount(), blocks) << "nothing more comes in";
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_TRUE(box.isReadOnly()) << "as it was before the load";

    // A new load ends the one before, and its own comes in whole.
    loader.load(note, QStringLiteral("memo/1"));
    loader.load("egy sor\r\n", QStringLiteral("memo/2"));
    ASSERT_TRUE(awaitEnd());
    EXPECT_EQ(box.toPlainText(), QStringLiteral("egy sor\n"));
}

// The toolkit lays a paragraph out in one piece: one of a million characters would hold the
// window for seconds.
TEST_F(NoteLoaderTest, ANoteWithAParagraphTooLongIsRefusedAndTheBoxStaysEmpty) {
    QByteArray line(NoteLoader::MaxParagraph, 'a');
    loader.load(line + "\r\n" + line, QStringLiteral("memo/hosszu"));
    ASSERT_TRUE(awaitEnd());
    EXPECT_EQ(refused.count(), 0);
    EXPECT_EQ(box.document()->blockCount(), 2);

    loader.load(line + 'a', QStringLiteral("memo/hosszu"));
    ASSERT_TRUE(awaitEnd());
    ASSERT_EQ(refused.count(), 1);
    EXPECT_TRUE(refused.first().first().toString().contains(QStringLiteral("memo/hosszu")));
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_FALSE(box.isReadOnly());
    EXPECT_EQ(loaded.count(), 1);
}
