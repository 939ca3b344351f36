#include "RichText.h"

#include "CodePage.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The stream's bytes as test fixtures write them: each "\n" of the source a CR LF.
QByteArray crlf(const char* text) {
    return QByteArray(text).replace("\n", "\r\n");
}

QTextCharFormat bold() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

// A document in the note box's own font, as the organiser's note box is.
class Note {
public:
    Note() {
        document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
        cursor = QTextCursor(&document);
    }
    Note& text(const QString& text, const QTextCharFormat& format = QTextCharFormat()) {
        cursor.insertText(text, format);
        return *this;
    }
    Note& paragraph() {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        return *this;
    }

    QTextDocument document;
    QTextCursor cursor;
};

// How a character looks, from the document's default font and its own format.
QString look(const QTextDocument& document, const QTextCharFormat& format) {
    const QFont font = format.font().resolve(document.defaultFont());
    QStringList parts = {font.family(), QString::number(font.pointSizeF())};
    if (font.weight() >= QFont::DemiBold)
        parts << QStringLiteral("bold");
    if (font.italic())
        parts << QStringLiteral("italic");
    if (font.underline())
        parts << QStringLiteral("underline");
    if (font.strikeOut())
        parts << QStringLiteral("strike");
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << format.foreground().color().name();
    return parts.join(QLatin1Char(' '));
}

// Every paragraph as its runs of equal look: "[text](look)", one string per paragraph. Runs are
// built character by character, so two documents that look the same compare equal however
// their fragments are cut.
QStringList describe(const QTextDocument& document) {
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString description;
        QString runText;
        QString runLook;
        auto flush = [&] {
            if (!runText.isEmpty())
                description += QStringLiteral("[%1](%2)").arg(runText, runLook);
            runText.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString fragmentLook = look(document, fragment.charFormat());
            if (fragmentLook != runLook)
                flush();
            runLook = fragmentLook;
            runText += fragment.text();
        }
        flush();
        paragraphs << description;
    }
    return paragraphs;
}

// The paragraphs' text, exactly: no space in place of a no-break space, no line for \line.
QStringList paragraphTexts(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QByteArray cp1250(const QString& text) {
    return CodePage::fromUnicode(text);
}

} // namespace

// ----------------------------------------------------------------------------------------------
// Our own stream, written and read back
// ----------------------------------------------------------------------------------------------

TEST(RichText, WrittenAndReadBackKeepsTextAndFormats) {
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    QTextCharFormat big;
    big.setFontPointSize(14);
    big.setFontFamilies({QStringLiteral("Courier New")});
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextCharFormat boldBlueStruck = bold();
    boldBlueStruck.setForeground(QColor(0, 0, 200));
    boldBlueStruck.setFontStrikeOut(true);

    Note note;
    note.text(QStringLiteral("Árvíztűrő ")).text(QStringLiteral("tükörfúrógép"), bold());
    note.text(QStringLiteral(" őŐűŰáé ")).text(QStringLiteral("dőlt"), italic);
    note.text(QStringLiteral(" és ")).text(QStringLiteral("aláhúzott"), underlined);
    note.paragraph();
    note.paragraph().text(QStringLiteral("\ttabs\tinside\t"), big);
    note.paragraph().text(QStringLiteral("{braces} and \\back\\slashes\\"), red);
    note.paragraph().text(QStringLiteral("Ω ☃ 😀 ") + QChar(0x2011) + QChar(0x00A0) + QChar(0x00AD));
    note.text(QStringLiteral("line") + QChar(QChar::LineSeparator) + QStringLiteral("break"));
    note.text(QStringLiteral(" x"), boldBlueStruck);
    note.paragraph();
    note.paragraph();

    const QByteArray stream = RichText::write(note.document);
    Note read;
    read.document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 9));
    ASSERT_TRUE(RichText::read(stream, read.document));

    EXPECT_EQ(paragraphTexts(read.document), paragraphTexts(note.document));
    EXPECT_EQ(read.document.blockCount(), 7);
    EXPECT_EQ(describe(read.document), describe(note.document));
    // A second round in the same box gives the same bytes: a note does not drift from save to save.
    read.document.setDefaultFont(note.document.defaultFont());
    EXPECT_EQ(RichText::write(read.document).toStdString(), stream.toStdString());
}

TEST(RichText, WritesTheStreamOfARichTextBox) {
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    Note note;
    note.text(QStringLiteral("Árvíztűrő ")).text(QStringLiteral("tükör"), bold());
    note.text(QStringLiteral("\t{x}\\"));
    note.paragraph();
    note.paragraph().text(QStringLiteral("Ω€ ok"), red);

    EXPECT_EQ(RichText::write(note.document).toStdString(),
              crlf("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}}\n"
                   "{\\colortbl ;\\red255\\green0\\blue0;}\n"
                   "\\viewkind4\\uc1\\pard\\f0\\fs20\\'c1rv\\'edzt\\'fbr\\'f5 \\b t\\'fck\\'f6r"
                   "\\b0\\tab\\{x\\}\\\\\\par\n"
                   "\\par\n"
                   "\\cf1\\u937?\\'80 ok\\par\n"
                   "}\n")
                  .toStdString());
}

TEST(RichText, WritesAnEmptyDocumentAsOneEmptyParagraph) {
    Note note;
    const QByteArray stream = RichText::write(note.document);
    EXPECT_EQ(stream.toStdString(),
              crlf("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
                   "Arial;}}\n\\viewkind4\\uc1\\pard\\f0\\fs20\\par\n}\n")
                  .toStdString());

    QTextDocument read;
    read.setPlainText(QStringLiteral("old"));
    ASSERT_TRUE(RichText::read(stream, read));
    EXPECT_EQ(read.blockCount(), 1);
    EXPECT_TRUE(read.isEmpty());
}

TEST(RichText, WritesEachFontAndColourOnceInOrderOfUse) {
    QTextCharFormat courier;
    courier.setFontFamilies({QStringLiteral("Courier New")});
    courier.setForeground(QColor(0, 128, 0));
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    Note note;
    note.text(QStringLiteral("a"), courier).text(QStringLiteral("b"), blue);
    note.text(QStringLiteral("c"), courier).text(QStringLiteral("d"));

    const QByteArray stream = RichText::write(note.document);
    EXPECT_TRUE(stream.startsWith(
        crlf("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}"
             "{\\f1\\fnil\\fcharset238 Courier New;}}\n"
             "{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}\n")))
        << stream.constData();
    EXPECT_TRUE(stream.contains("\\cf1\\f1\\fs20 a\\cf2\\f0 b\\cf1\\f1 c\\cf0\\f0 d\\par"))
        << stream.constData();
}

// ----------------------------------------------------------------------------------------------
// Streams of other writers
// ----------------------------------------------------------------------------------------------

TEST(RichText, ReadsWhatAnotherRichTextBoxWrites) {
    const QByteArray stream = crlf(
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1038{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset238"
        "{\\*\\fname Arial;}Arial CE;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\n"
        "{\\colortbl ;\\red0\\green0\\blue255;}\n"
        "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1"
        "\\lang1038\\f0\\fs22 T\\'fck\\'f6r \\'e8 \\b f\\'e9l\\b0  \\cf1\\i k\\'e9k\\i0\\cf0\\par\n"
        "\\f1\\fs24 caf\\'e9 \\'e8 \\u337?z {\\uc2 \\u369\\'fb\\'fb}\\uc0\\u8364 x\\tab y\\line "
        "z\\par\n"
        "{\\info{\\title Titkos}{\\author Valaki}}{\\stylesheet{\\s0 Normal;}}"
        "{\\pict\\wmetafile8\\picw100\\pich100 0102abff}"
        "\\f0 a\\~b c\\-d e\\_f \\foobar123 g\\{h\\}\\\\\\par\n"
        "}\n");
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 8));
    ASSERT_TRUE(RichText::read(stream, document));

    EXPECT_EQ(
        paragraphTexts(document),
        QStringList(
            {QStringLiteral("Tükör č fél kék"),
             QStringLiteral("café è őz ű€x\ty") + QChar(QChar::LineSeparator) + QStringLiteral("z"),
             QStringLiteral("a") + QChar(0x00A0) + QStringLiteral("b c") + QChar(0x00AD) +
                 QStringLiteral("d e") + QChar(0x2011) + QStringLiteral("f g{h}\\")}));
    const QStringList looks = describe(document);
    ASSERT_EQ(looks.size(), 3);
    EXPECT_EQ(looks[0], QStringLiteral("[Tükör č ](Arial CE 11)[fél](Arial CE 11 bold)[ ](Arial CE "
                                       "11)[kék](Arial CE 11 italic #0000ff)"));
    EXPECT_TRUE(looks[1].endsWith(QStringLiteral("(Times New Roman 12)")))
        << looks[1].toStdString();
    EXPECT_TRUE(looks[2].endsWith(QStringLiteral("(Arial CE 12)"))) << looks[2].toStdString();
}

TEST(RichText, ReadsTheOldRichTextBoxStreamWithItsTrailingNul) {
    QByteArray stream = crlf("{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1038{\\fonttbl{\\f0\\fnil"
                             "\\fcharset238{\\*\\fname MS Sans Serif;}MS Sans Serif CE;}}\n"
                             "\\viewkind4\\uc1\\pard\\f0\\fs16 Els\\'f5 sor\\par\n"
                             "M\\'e1sodik\\par\n"
                             "}\n");
    stream.append('\0');
    QTextDocument document;
    ASSERT_TRUE(RichText::read(stream, document));
    EXPECT_EQ(describe(document), QStringList({QStringLiteral("[Első sor](MS Sans Serif CE 8)"),
                                               QStringLiteral("[Második](MS Sans Serif CE 8)")}));
}

TEST(RichText, GivesOnlyTheFormatsTheStreamNames) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 9));
    // No font table, no size, a colour table whose first entry is a real colour but no \cf.
    ASSERT_TRUE(RichText::read(QByteArray("{\\rtf1{\\colortbl\\red9\\green9\\blue9;}a{\\b b{\\i c}"
                                          "\\ul d\\ul0 e}f\\ul g\\ulnone h\\uldb i\\plain j"
                                          "{\\v hidden}\\strike k\\strike0 l}"),
                               document));
    EXPECT_EQ(describe(document),
              QStringList({QStringLiteral("[a](Tahoma 9)[b](Tahoma 9 bold)[c](Tahoma 9 bold "
                                          "italic)[d](Tahoma 9 bold underline)[e](Tahoma 9 bold)"
                                          "[f](Tahoma 9)[g](Tahoma 9 underline)[h](Tahoma 9)"
                                          "[i](Tahoma 9 underline)[j](Tahoma 9)[k](Tahoma 9 "
                                          "strike)[l](Tahoma 9)")}));
}

TEST(RichText, ReadsFontsInTheirOwnCodePage) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 9));
    // The old font table without groups. 0xC0 is Ŕ in 1250, À in 1252 and А in 1251; the default
    // font has no charset, so the stream's default code page, 1250, holds for it.
    ASSERT_TRUE(RichText::read(QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\fswiss\\fcharset0 "
                                          "Helvetica;\\f1\\fmodern Courier;\\f2\\fcharset204 Cyr;"
                                          "\\f3\\cpg1252 West;}\\'c0\\f0\\'c0\\f2\\'c0\\f3\\'c0}"),
                               document));
    EXPECT_EQ(describe(document), QStringList({QStringLiteral("[Ŕ](Courier 9)[À](Helvetica 9)"
                                                              "[А](Cyr 9)[À](West 9)")}));

    ASSERT_TRUE(RichText::read(QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'8c\\'e8}"), document));
    EXPECT_EQ(document.toRawText(), QStringLiteral("Œè"));
}

TEST(RichText, SkipsBinaryDataAndIgnorableDestinations) {
    QTextDocument document;
    QByteArray stream("{\\rtf1 a{\\pict\\bin5 }}{\x01\\}b{\\*\\unknown {\\nested c}}"
                      "{\\*\\shppict{\\pict 00}}{\\header h}{\\field{\\*\\fldinst HYPERLINK x}"
                      "{\\fldrslt d}}}");
    ASSERT_TRUE(RichText::read(stream, document));
    EXPECT_EQ(document.toRawText(), QStringLiteral("abd"));
}

TEST(RichText, ReplacesTheWholeDocumentAndItsUndoHistory) {
    Note note;
    note.text(QStringLiteral("old"), bold()).paragraph().text(QStringLiteral("lines"));
    ASSERT_TRUE(note.document.isUndoAvailable());

    ASSERT_TRUE(RichText::read(QByteArray("{\\rtf1 new}"), note.document));
    EXPECT_EQ(describe(note.document), QStringList({QStringLiteral("[new](Arial 10)")}));
    EXPECT_FALSE(note.document.isUndoAvailable());
    EXPECT_TRUE(note.document.isUndoRedoEnabled());
}

// ----------------------------------------------------------------------------------------------
// Damaged streams and plain text
// ----------------------------------------------------------------------------------------------

TEST(RichText, RefusesDamagedStreamsAndLeavesTheDocument) {
    const QByteArray good =
        crlf("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
             "Arial;}}\n\\viewkind4\\uc1\\pard\\f0\\fs20 \\'e1rv\\'ed\\par\n}\n");
    const QList<QByteArray> damaged = {
        good.left(good.lastIndexOf('}')),                  // missing closing brace
        QByteArray("{\\rtf1\\ansi \x01\x02\xfe garbage}"), // control bytes after the header
        QByteArray("{\\rtf1 text}garbage"),                // text after the closing brace
        QByteArray("{\\rtf1 text}}"),                      // a brace that closes nothing
        QByteArray("{\\rtf1 text{\\b bold}"),              // unbalanced
        QByteArray("{\\rtf1 abc\\'f"),                     // truncated in a \' escape
        QByteArray("{\\rtf1 abc\\'"),                      // truncated after \'
        QByteArray("{\\rtf1 abc\\'zz}"),                   // not hexadecimal
        QByteArray("{\\rtf1 abc\\"),                       // truncated after a backslash
        QByteArray("{\\rtf1 {\\pict\\bin99 abc}}"),        // \bin longer than the rest
        QByteArray("{\\rtf1 a\0b}", 11),                   // NUL inside the stream
        QByteArray("{\\rtfx1 abc}"),                       // another control word
        QByteArray(" {\\rtf1 abc}"),                       // not at the very start
        QByteArray("{\\rt"),
        QByteArray(),
    };
    for (const QByteArray& bytes : damaged) {
        Note note;
        note.text(QStringLiteral("keep"), bold());
        EXPECT_FALSE(RichText::read(bytes, note.document)) << bytes.toStdString();
        EXPECT_EQ(describe(note.document), QStringList({QStringLiteral("[keep](Arial 10 bold)")}));
    }
    QTextDocument document;
    EXPECT_TRUE(RichText::read(good, document));
}

TEST(RichText, LoadFallsBackToPlainTextForDamagedStreams) {
    QTextDocument document;
    const QByteArray truncated("{\\rtf1\\ansi \\'e1rv\\'ed\\par\r\nsecond");
    RichText::load(truncated, document);
    EXPECT_EQ(
        paragraphTexts(document),
        QStringList({QStringLiteral("{\\rtf1\\ansi \\'e1rv\\'ed\\par"), QStringLiteral("second")}));

    RichText::load(QByteArray("{\\rtf1 \\b bold}"), document);
    EXPECT_EQ(document.toRawText(), QStringLiteral("bold"));
}

TEST(RichText, RefusesNestingDeeperThanAHundred) {
    auto nested = [](int depth) {
        return QByteArray("{\\rtf1") + QByteArray(depth - 1, '{') + "x" + QByteArray(depth, '}');
    };
    QTextDocument document;
    EXPECT_TRUE(RichText::read(nested(100), document));
    EXPECT_EQ(document.toRawText(), QStringLiteral("x"));
    EXPECT_FALSE(RichText::read(nested(101), document));
    EXPECT_FALSE(RichText::read(nested(100000), document));
}

TEST(RichText, SurvivesEveryTruncationAndRandomDamage) {
    QTextCharFormat coloured;
    coloured.setForeground(QColor(10, 20, 30));
    Note note;
    note.text(QStringLiteral("Első {sor}\t\\ ")).text(QStringLiteral("Ω😀"), coloured);
    note.paragraph().text(QStringLiteral("második"), bold());
    QByteArray stream = RichText::write(note.document);
    stream.insert(stream.indexOf("\\viewkind"), "{\\*\\generator x;}{\\pict\\bin3 {}\\}\\uc2 ");
    const qsizetype end = stream.lastIndexOf('}') + 1;

    for (qsizetype length = 0; length <= stream.size(); ++length) {
        const QByteArray prefix = stream.left(length);
        QTextDocument document;
        EXPECT_EQ(RichText::read(prefix, document), length >= end) << length;
        RichText::load(prefix, document);
    }

    // Bytes changed at random, RTF's own bytes favoured, must not crash or hang the reader.
    QRandomGenerator random(1250);
    const QByteArray special("{}\\'\x00 ;-0123456789abcdefu*\x80\xff", 28);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = stream;
        const int changes = 1 + int(random.bounded(6));
        for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
            const qsizetype at = random.bounded(qsizetype(bytes.size()));
            const char byte = random.bounded(2) ? special[random.bounded(int(special.size()))]
                                                : char(random.bounded(256));
            if (random.bounded(4) == 0)
                bytes.remove(at, 1 + random.bounded(8));
            else
                bytes[at] = byte;
        }
        QTextDocument document;
        RichText::load(bytes, document);
        (void)RichText::write(document);
    }
}

TEST(RichText, LoadsPlainTextByItsLineEnds) {
    QTextDocument document;
    RichText::load(cp1250(QStringLiteral("Első sor\r\nMásodik\r\n\r\nNegyedik\nötödik\rhatodik")),
                   document);
    EXPECT_EQ(paragraphTexts(document),
              QStringList({QStringLiteral("Első sor"), QStringLiteral("Második"), QString(),
                           QStringLiteral("Negyedik"), QStringLiteral("ötödik"),
                           QStringLiteral("hatodik")}));

    RichText::load(QByteArray(), document);
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_TRUE(document.isEmpty());
}

TEST(RichText, ANewNotesPlainFileLoadsWithItsFinalLineAndKeepsItWhenSaved) {
    // The new-reminder dialog writes the note's text and one CR LF: the line after it is there.
    Note note;
    RichText::load(cp1250(QStringLiteral("Ébresztő\t8-kor\r\n")), note.document);
    EXPECT_EQ(paragraphTexts(note.document),
              QStringList({QStringLiteral("Ébresztő\t8-kor"), QString()}));
    EXPECT_EQ(describe(note.document),
              QStringList({QStringLiteral("[Ébresztő\t8-kor](Arial 10)"), QString()}));

    // Saved as rich text and loaded again, the note is the same.
    const QByteArray saved = RichText::write(note.document);
    Note reloaded;
    RichText::load(saved, reloaded.document);
    EXPECT_EQ(describe(reloaded.document), describe(note.document));
    EXPECT_EQ(RichText::write(reloaded.document).toStdString(), saved.toStdString());
}

// A text box lays its document out again on every change it hears of: read piece by piece into
// the box, a note of a few megabytes froze the window for many seconds. The reader's whole
// document arrives as one change.
TEST(RichTextRead, TheWholeDocumentArrivesAsOneChange) {
    QByteArray stream = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\\pard ";
    for (int n = 0; n < 200; ++n)
        stream += "sor \\b f\\'e9lk\\'f6v\\'e9r\\b0  v\\'e9ge\\par\r\n";
    stream += "}";
    QTextDocument document;
    document.documentLayout(); // a box's document has its layout, which hears every change
    document.setPlainText(QStringLiteral("régi"));
    int changes = 0;
    QObject::connect(&document, &QTextDocument::contentsChange, [&] { ++changes; });

    int clearing = 0;
    {
        QTextDocument cleared;
        cleared.documentLayout();
        cleared.setPlainText(QStringLiteral("régi"));
        QObject::connect(&cleared, &QTextDocument::contentsChange, [&] { ++clearing; });
        cleared.clear();
    }

    RichText::load(stream, document);
    EXPECT_EQ(document.blockCount(), 200);
    EXPECT_EQ(changes, clearing + 1);
}
