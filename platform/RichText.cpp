#include "RichText.h"

#include "CodePage.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QMap>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// ---------------------------------------------------------------------------------------------
// Shared by the writer and the reader
// ---------------------------------------------------------------------------------------------

constexpr int kCodePage1250 = 1250;
constexpr int kCharsetEastEurope = 238;
// A rich-text box keeps font sizes between 1 and 1638 points.
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxDepth = 100;

// Characters of a QTextDocument that are structure, not text: objects, frame bounds, paragraph
// ends. Neither written nor read as text.
bool isDocumentMarker(QChar ch) {
    const char16_t unit = ch.unicode();
    return unit == 0xFFFC || unit == 0xFDD0 || unit == 0xFDD1 || unit == 0x2029 || unit == 0;
}

// ---------------------------------------------------------------------------------------------
// Writer
// ---------------------------------------------------------------------------------------------

// The character format of one run as the stream says it: indexes into the font and colour
// tables (colour 0 is "auto").
struct RunFormat {
    int font = -1;
    int halfPoints = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;
};

struct Piece {
    RunFormat format;
    QString text;
};

// Bytes of the stream, with the one delimiter rule of RTF: a control word followed by text gets
// a space; followed by another backslash, a brace or a line end it needs none.
class RtfOut {
public:
    void control(const char* word) {
        m_bytes += '\\';
        m_bytes += word;
        m_delimit = true;
    }
    void control(const char* word, int parameter) {
        control(word);
        m_bytes += QByteArray::number(parameter);
    }
    // Bytes that cannot be taken for part of a control word: escapes, braces, line ends.
    void raw(QByteArrayView bytes) {
        m_bytes += bytes;
        m_delimit = false;
    }
    void textByte(char byte) {
        if (m_delimit)
            m_bytes += ' ';
        m_bytes += byte;
        m_delimit = false;
    }

    void text(QStringView text) {
        for (qsizetype i = 0; i < text.size(); ++i)
            character(text[i]);
    }

    QByteArray bytes() const { return m_bytes; }

private:
    void character(QChar ch) {
        const char16_t unit = ch.unicode();
        if (unit == '\\' || unit == '{' || unit == '}') {
            raw(QByteArray(1, '\\') + char(unit));
        } else if (unit == '\t') {
            control("tab");
        } else if (unit == QChar::LineSeparator) {
            control("line");
        } else if (isDocumentMarker(ch)) {
            // Objects and frame bounds have no text to write.
        } else if (unit < 0x20 || unit == 0x7F) {
            hexEscape(char(unit));
        } else if (unit < 0x80) {
            textByte(char(unit));
        } else if (const char byte = CodePage::encodeChar(ch); byte != '?') {
            hexEscape(byte);
        } else {
            // Outside the code page: the UTF-16 unit as a signed number, "?" for readers that
            // cannot take it (\uc1). A character beyond the BMP is its two surrogates.
            control("u", int(qint16(unit)));
            raw("?");
        }
    }

    void hexEscape(char byte) {
        static constexpr char kHex[] = "0123456789abcdef";
        const auto value = static_cast<unsigned char>(byte);
        const char escape[] = {'\\', '\'', kHex[value >> 4], kHex[value & 0xF]};
        raw(QByteArrayView(escape, 4));
    }

    QByteArray m_bytes;
    bool m_delimit = false;
};

class Writer {
public:
    explicit Writer(const QTextDocument& document)
        : m_defaultFont(document.defaultFont()) {
        fontIndex(m_defaultFont.family()); // \deff0
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            m_paragraphs.append(pieces(block));
    }

    QByteArray stream() const {
        RtfOut out;
        out.raw("{");
        out.control("rtf", 1);
        out.control("ansi");
        out.control("ansicpg", kCodePage1250);
        out.control("deff", 0);
        out.raw("{");
        out.control("fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out.raw("{");
            out.control("f", int(i));
            out.control("fnil");
            out.control("fcharset", kCharsetEastEurope);
            out.text(m_fonts[i]);
            out.raw(";}");
        }
        out.raw("}\r\n");
        if (!m_colours.isEmpty()) {
            out.raw("{");
            out.control("colortbl");
            out.textByte(';'); // entry 0: "auto"
            for (QRgb rgb : m_colours) {
                out.control("red", qRed(rgb));
                out.control("green", qGreen(rgb));
                out.control("blue", qBlue(rgb));
                out.raw(";");
            }
            out.raw("}\r\n");
        }
        out.control("viewkind", 4);
        out.control("uc", 1);
        out.control("pard");
        RunFormat current;
        for (const QList<Piece>& paragraph : m_paragraphs) {
            for (const Piece& piece : paragraph) {
                switchFormat(out, current, piece.format);
                out.text(piece.text);
            }
            out.control("par");
            out.raw("\r\n");
        }
        out.raw("}\r\n");
        return out.bytes();
    }

private:
    // The runs of a block. An empty block gets one empty run in its block character format, so
    // the format of an empty line (and of an empty document) is written too.
    QList<Piece> pieces(const QTextBlock& block) {
        QList<Piece> result;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.length() > 0)
                result.append({formatOf(fragment.charFormat()), fragment.text()});
        }
        if (result.isEmpty())
            result.append({formatOf(block.charFormat()), QString()});
        return result;
    }

    RunFormat formatOf(const QTextCharFormat& format) {
        const QFont font = format.font().resolve(m_defaultFont);
        RunFormat run;
        run.font = fontIndex(font.family());
        double points = font.pointSizeF();
        if (points <= 0 && font.pixelSize() > 0)
            points = font.pixelSize() * 72.0 / 96.0;
        if (points <= 0)
            points = 12;
        run.halfPoints = std::clamp(qRound(points * 2), kMinHalfPoints, kMaxHalfPoints);
        run.bold = font.weight() >= QFont::DemiBold;
        run.italic = font.italic();
        run.underline = font.underline();
        run.strike = font.strikeOut();
        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush)
            run.colour = colourIndex(format.foreground().color().rgb());
        return run;
    }

    int fontIndex(QString family) {
        family.remove(QLatin1Char(';')); // the font table's separator cannot be escaped
        qsizetype index = m_fonts.indexOf(family);
        if (index < 0) {
            index = m_fonts.size();
            m_fonts.append(family);
        }
        return int(index);
    }

    int colourIndex(QRgb rgb) {
        rgb = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
        qsizetype index = m_colours.indexOf(rgb);
        if (index < 0) {
            index = m_colours.size();
            m_colours.append(rgb);
        }
        return int(index) + 1;
    }

    // The control words that take the stream from one character format to the next, in the order
    // a rich-text box writes them.
    static void switchFormat(RtfOut& out, RunFormat& current, const RunFormat& next) {
        if (next.colour != current.colour)
            out.control("cf", next.colour);
        if (next.bold != current.bold)
            out.control(next.bold ? "b" : "b0");
        if (next.italic != current.italic)
            out.control(next.italic ? "i" : "i0");
        if (next.underline != current.underline)
            out.control(next.underline ? "ul" : "ulnone");
        if (next.strike != current.strike)
            out.control(next.strike ? "strike" : "strike0");
        if (next.font != current.font)
            out.control("f", next.font);
        if (next.halfPoints != current.halfPoints)
            out.control("fs", next.halfPoints);
        current = next;
    }

    QFont m_defaultFont;
    QList<QString> m_fonts;
    QList<QRgb> m_colours;
    QList<QList<Piece>> m_paragraphs;
};

// ---------------------------------------------------------------------------------------------
// Reader
// ---------------------------------------------------------------------------------------------

// Single-byte code pages: 1250 from platform/CodePage, 1252 from its table here (the code page
// of \fcharset0 and of western rich-text boxes), any other through the system's converter when
// it knows it, else 1250.
class ByteDecoder {
public:
    QChar decode(int codePage, unsigned char byte) {
        if (byte < 0x80)
            return QChar(char16_t(byte));
        if (codePage == 1252) {
            if (byte >= 0xA0)
                return QChar(char16_t(byte));
            return QChar(k1252[byte - 0x80]);
        }
        if (codePage != kCodePage1250) {
            if (const HighHalf* table = other(codePage))
                return QChar((*table)[byte - 0x80]);
        }
        return CodePage::decodeByte(byte);
    }

private:
    using HighHalf = std::array<char16_t, 128>;

    // Unicode of the bytes 0x80..0x9F in Windows-1252; the rest is Latin-1.
    static constexpr std::array<char16_t, 32> k1252 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
    };

    const HighHalf* other(int codePage) {
        auto it = m_others.find(codePage);
        if (it == m_others.end()) {
            std::optional<HighHalf> table;
            QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
            if (decoder.isValid()) {
                table.emplace();
                for (int byte = 0x80; byte <= 0xFF; ++byte) {
                    const char one = char(byte);
                    const QString text = decoder.decode(QByteArrayView(&one, 1));
                    decoder.resetState();
                    (*table)[byte - 0x80] = text.size() == 1 ? text[0].unicode() : char16_t(0xFFFD);
                }
            }
            it = m_others.insert(codePage, table);
        }
        return it->has_value() ? &it->value() : nullptr;
    }

    QHash<int, std::optional<HighHalf>> m_others;
};

// The code page of a font table's \fcharset; 0 for "the stream's \ansicpg".
int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case kCharsetEastEurope:
        return kCodePage1250;
    default: // 1 default, 2 symbol, OEM, Mac and the double-byte sets
        return 0;
    }
}

enum class Destination { Text, Skip, FontTable, ColourTable };

// Character formatting as the stream sets it; -1 and 0 mean "not given".
struct CharState {
    int font = -1;      // \fN; -1: the \deffN font
    int halfPoints = 0; // \fsN
    int colour = -1;    // \cfN
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool operator==(const CharState&) const = default;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    int fallbackLength = 1; // \ucN
};

struct Run {
    CharState format;
    QString text;
};

struct Paragraph {
    QList<Run> runs;
    CharState mark; // the format of its paragraph mark: that of an empty line
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isControlByte(unsigned char byte) {
    return byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
}

// Destinations whose content is not the document's text.
bool isSkippedDestination(QByteArrayView word) {
    static const QList<QByteArray> kWords =
        QByteArray("info stylesheet pict object header headerl headerr headerf footer footerl "
                   "footerr footerf footnote annotation fldinst xe tc txe rxe nonshppict shp "
                   "shprslt filetbl listtable listoverridetable revtbl rsidtbl generator "
                   "themedata colorschememapping latentstyles datastore xmlnstbl pn ftnsep "
                   "ftnsepc ftncn aftnsep aftnsepc aftncn private atnid atnauthor atndate atnref "
                   "atntime atnicn objdata bkmkstart bkmkend template userprops docvar")
            .split(' ');
    return kWords.contains(word);
}

// \ul and its dotted, double, wavy ... kinds: all read as underline.
bool isUnderline(QByteArrayView word) {
    static const QList<QByteArray> kWords =
        QByteArray("ul uld uldash uldashd uldashdd uldb ulhwave ulldash ulth ulthd ulthdash "
                   "ulthdashd ulthdashdd ulthldash ululdbwave ulw ulwave")
            .split(' ');
    return kWords.contains(word);
}

// Control words that stand for one character.
std::optional<QChar> characterOf(QByteArrayView word) {
    struct Entry {
        QByteArrayView word;
        char16_t unit;
    };
    static constexpr Entry kEntries[] = {
        {"tab", u'\t'},        {"cell", u'\t'},       {"nestcell", u'\t'}, {"line", 0x2028},
        {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005},   {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
    };
    for (const Entry& entry : kEntries) {
        if (entry.word == word)
            return QChar(entry.unit);
    }
    return std::nullopt;
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes)
        : m_in(bytes) {}

    // False when the bytes are not a whole RTF stream.
    bool parse() {
        if (!m_in.startsWith("{\\rtf") || (m_in.size() > 5 && isLetter(m_in[5])))
            return false;
        m_paragraphs.append(Paragraph());
        while (m_pos < m_in.size()) {
            const auto byte = static_cast<unsigned char>(m_in[m_pos++]);
            switch (byte) {
            case '{':
                if (m_groups.size() >= kMaxDepth)
                    return false;
                m_fallbackLeft = 0;
                m_groups.append(m_groups.isEmpty() ? GroupState() : m_groups.last());
                break;
            case '}':
                m_fallbackLeft = 0;
                closeGroup();
                if (m_groups.isEmpty())
                    return onlyBlanksFollow();
                break;
            case '\\':
                if (!control())
                    return false;
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (isControlByte(byte))
                    return false;
                if (!skipFallback())
                    textByte(byte);
            }
        }
        return false; // the stream ended inside a group
    }

    void fill(QTextDocument& document) const {
        QList<Paragraph> paragraphs = m_paragraphs;
        if (paragraphs.size() > 1 && paragraphs.last().runs.isEmpty())
            paragraphs.removeLast(); // the document's final paragraph mark

        // As QTextDocument::setPlainText: the undo history ends here.
        const bool undo = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false);
        document.clear();
        QTextCursor cursor(&document);
        cursor.beginEditBlock();
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            const Paragraph& paragraph = paragraphs[i];
            if (i == 0)
                cursor.setBlockCharFormat(format(paragraph.mark));
            else
                cursor.insertBlock(QTextBlockFormat(), format(paragraph.mark));
            for (const Run& run : paragraph.runs)
                cursor.insertText(withPairedSurrogates(run.text), format(run.format));
        }
        cursor.endEditBlock();
        document.setUndoRedoEnabled(undo);
    }

private:
    GroupState& group() { return m_groups.last(); }
    const GroupState& group() const { return m_groups.last(); }

    void closeGroup() {
        // A font entry whose ";" is missing ends with its group.
        if (group().destination == Destination::FontTable)
            commitFont();
        m_groups.removeLast();
    }

    bool onlyBlanksFollow() const {
        for (qsizetype i = m_pos; i < m_in.size(); ++i) {
            const char c = m_in[i];
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0')
                return false;
        }
        return true;
    }

    // The fallback characters after \uN are skipped: each byte, escape and control counts one.
    bool skipFallback() {
        if (m_fallbackLeft <= 0)
            return false;
        --m_fallbackLeft;
        return true;
    }

    // After a backslash. False when the stream is damaged.
    bool control() {
        if (m_pos >= m_in.size())
            return false;
        const char first = m_in[m_pos];
        if (isLetter(first))
            return controlWord();
        ++m_pos;
        if (first == '\'') {
            if (m_pos + 2 > m_in.size())
                return false;
            const int high = hexValue(m_in[m_pos]);
            const int low = hexValue(m_in[m_pos + 1]);
            if (high < 0 || low < 0)
                return false;
            m_pos += 2;
            if (!skipFallback())
                textByte(static_cast<unsigned char>(high * 16 + low));
            return true;
        }
        if (isControlByte(static_cast<unsigned char>(first)))
            return false;
        if (!skipFallback())
            controlSymbol(first);
        return true;
    }

    bool controlWord() {
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        const QByteArrayView word = m_in.sliced(start, m_pos - start);
        bool negative = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        std::optional<qint64> parameter;
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            constexpr qint64 kLimit = 1'000'000'000;
            parameter = std::min(parameter.value_or(0) * 10 + (m_in[m_pos] - '0'), kLimit);
            ++m_pos;
        }
        if (negative)
            parameter = -*parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiter

        if (word == "bin") {
            // Binary data, in any destination: its bytes are not RTF.
            const qint64 length = parameter.value_or(0);
            if (length < 0 || length > m_in.size() - m_pos)
                return false;
            m_pos += length;
            skipFallback();
            return true;
        }
        if (!skipFallback())
            apply(word, parameter ? std::optional<int>(int(*parameter)) : std::nullopt);
        return true;
    }

    void controlSymbol(char symbol) {
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            character(QChar(char16_t(symbol)));
            break;
        case '~':
            character(QChar(char16_t(0x00A0))); // non-breaking space
            break;
        case '-':
            character(QChar(char16_t(0x00AD))); // optional hyphen
            break;
        case '_':
            character(QChar(char16_t(0x2011))); // non-breaking hyphen
            break;
        case '*':
            group().destination = Destination::Skip; // an ignorable destination follows
            break;
        case '\r':
        case '\n':
            paragraphEnd(); // the old spelling of \par
            break;
        default: // \: \| and the like
            break;
        }
    }

    void apply(QByteArrayView word, std::optional<int> parameter) {
        GroupState& state = group();
        if (state.destination == Destination::Skip)
            return;
        if (word == "fonttbl") {
            state.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            state.destination = Destination::ColourTable;
            m_colour = QColor();
        } else if (isSkippedDestination(word)) {
            state.destination = Destination::Skip;
        } else if (word == "u") {
            int unit = parameter.value_or(0);
            if (unit < 0)
                unit += 0x10000;
            character(QChar(unit >= 0 && unit <= 0xFFFF ? char16_t(unit) : char16_t(0xFFFD)));
            m_fallbackLeft = state.fallbackLength;
        } else if (word == "uc") {
            state.fallbackLength = std::max(0, parameter.value_or(1));
        } else if (state.destination == Destination::FontTable) {
            fontTableWord(word, parameter);
        } else if (state.destination == Destination::ColourTable) {
            colourTableWord(word, parameter);
        } else {
            textWord(word, parameter);
        }
    }

    void fontTableWord(QByteArrayView word, std::optional<int> parameter) {
        if (word == "f") {
            commitFont();
            m_fontNumber = parameter.value_or(0);
        } else if (word == "fcharset") {
            m_fontCodePage = codePageOfCharset(parameter.value_or(0));
        } else if (word == "cpg") {
            m_fontCodePage = parameter.value_or(0);
        }
    }

    void colourTableWord(QByteArrayView word, std::optional<int> parameter) {
        const int value = std::clamp(parameter.value_or(0), 0, 255);
        if (!m_colour.isValid())
            m_colour = QColor(0, 0, 0);
        if (word == "red")
            m_colour.setRed(value);
        else if (word == "green")
            m_colour.setGreen(value);
        else if (word == "blue")
            m_colour.setBlue(value);
    }

    void textWord(QByteArrayView word, std::optional<int> parameter) {
        CharState& chars = group().chars;
        const bool on = parameter.value_or(1) != 0;
        if (word == "par" || word == "sect" || word == "page" || word == "row" ||
            word == "nestrow") {
            paragraphEnd();
        } else if (const std::optional<QChar> ch = characterOf(word)) {
            character(*ch);
        } else if (word == "ansicpg") {
            if (parameter.value_or(0) > 0)
                m_codePage = *parameter;
        } else if (word == "deff") {
            m_defaultFont = parameter.value_or(0);
        } else if (word == "plain") {
            chars = CharState();
        } else if (word == "f") {
            chars.font = parameter.value_or(0);
        } else if (word == "fs") {
            const int size = parameter.value_or(24);
            chars.halfPoints = size > 0 ? std::clamp(size, kMinHalfPoints, kMaxHalfPoints) : 0;
        } else if (word == "cf") {
            chars.colour = parameter.value_or(0);
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (isUnderline(word)) {
            chars.underline = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "strike" || word == "striked") {
            chars.strike = on;
        } else if (word == "v") {
            chars.hidden = on;
        }
        // Everything else (\pard, \lang, \viewkind, paragraph and page formats, words this
        // reader does not know) has no effect on the text.
    }

    // A byte of text, literal or \'hh.
    void textByte(unsigned char byte) {
        switch (group().destination) {
        case Destination::Skip:
            break;
        case Destination::ColourTable:
            if (byte == ';') {
                m_colours.append(m_colour);
                m_colour = QColor();
            }
            break;
        case Destination::FontTable:
            if (byte == ';')
                commitFont();
            else
                character(m_decoder.decode(m_fontCodePage ? m_fontCodePage : m_codePage, byte));
            break;
        case Destination::Text:
            character(m_decoder.decode(textCodePage(), byte));
            break;
        }
    }

    void character(QChar ch) {
        GroupState& state = group();
        if (state.destination == Destination::FontTable) {
            m_fontName += ch;
            return;
        }
        if (state.destination != Destination::Text || state.chars.hidden)
            return;
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar::ParagraphSeparator) {
            paragraphEnd();
            return;
        }
        if (isDocumentMarker(ch))
            return;
        QList<Run>& runs = m_paragraphs.last().runs;
        if (runs.isEmpty() || !(runs.last().format == state.chars))
            runs.append({state.chars, QString()});
        runs.last().text += ch;
    }

    void paragraphEnd() {
        const GroupState& state = group();
        if (state.destination != Destination::Text || state.chars.hidden)
            return;
        m_paragraphs.last().mark = state.chars;
        m_paragraphs.append(Paragraph{{}, state.chars});
    }

    // The entry ends at its ";" (or its group's end); text before any \fN names nothing.
    void commitFont() {
        if (m_fontNumber >= 0)
            m_fonts.insert(m_fontNumber, {m_fontName.trimmed(), m_fontCodePage});
        m_fontNumber = -1;
        m_fontCodePage = 0;
        m_fontName.clear();
    }

    int fontNumber(const CharState& chars) const {
        return chars.font >= 0 ? chars.font : m_defaultFont;
    }

    int textCodePage() const {
        const auto it = m_fonts.constFind(fontNumber(group().chars));
        if (it != m_fonts.cend() && it->codePage != 0)
            return it->codePage;
        return m_codePage;
    }

    QTextCharFormat format(const CharState& chars) const {
        QTextCharFormat format;
        const auto font = m_fonts.constFind(fontNumber(chars));
        if (font != m_fonts.cend() && !font->name.isEmpty())
            format.setFontFamilies({font->name});
        if (chars.halfPoints > 0)
            format.setFontPointSize(chars.halfPoints / 2.0);
        if (chars.bold)
            format.setFontWeight(QFont::Bold);
        if (chars.italic)
            format.setFontItalic(true);
        if (chars.underline)
            format.setFontUnderline(true);
        if (chars.strike)
            format.setFontStrikeOut(true);
        if (chars.colour >= 0 && chars.colour < m_colours.size() &&
            m_colours[chars.colour].isValid())
            format.setForeground(m_colours[chars.colour]);
        return format;
    }

    // \u of a lone surrogate would leave half a character in the document.
    static QString withPairedSurrogates(QString text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
        return text;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    QList<GroupState> m_groups;
    int m_fallbackLeft = 0;
    ByteDecoder m_decoder;

    int m_codePage = kCodePage1250;
    int m_defaultFont = 0;
    QMap<int, FontEntry> m_fonts;
    QList<QColor> m_colours;

    // The font table entry and the colour table entry being read.
    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QString m_fontName;
    QColor m_colour;

    QList<Paragraph> m_paragraphs;
};

} // namespace

QByteArray RichText::write(const QTextDocument& document) {
    return Writer(document).stream();
}

bool RichText::read(QByteArrayView bytes, QTextDocument& document) {
    Reader reader(bytes);
    if (!reader.parse())
        return false;
    reader.fill(document);
    return true;
}

void RichText::load(QByteArrayView bytes, QTextDocument& document) {
    if (read(bytes, document))
        return;
    QString text = CodePage::toUnicode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.setPlainText(text);
}
