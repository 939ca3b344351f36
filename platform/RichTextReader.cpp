#include "RichTextReader.h"

#include "RichTextCommon.h"
#include "RtfByteDecoder.h"
#include "RtfContent.h"
#include "RtfVocabulary.h"

#include <QColor>
#include <QList>

#include <algorithm>
#include <optional>

using namespace RichTextCommon;
using namespace RtfVocabulary;

namespace {

constexpr int kMaxDepth = 100;

using CharState = RtfContent::CharState;
using Paragraph = RtfContent::Paragraph;
using Run = RtfContent::Run;

enum class Destination { Text, Skip, FontTable, ColourTable };

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    int fallbackLength = 1; // \ucN
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

class Reader {
public:
    Reader(QByteArrayView bytes, const std::atomic<bool>* stop)
        : m_in(bytes)
        , m_stop(stop) {}

    // False when the bytes are not a whole RTF stream, or when told to stop.
    bool parse() {
        if (!m_in.startsWith("{\\rtf") || (m_in.size() > 5 && isLetter(m_in[5])))
            return false;
        m_content.paragraphs.append(Paragraph());
        while (m_pos < m_in.size()) {
            if (++m_read % 65536 == 0 && m_stop && m_stop->load(std::memory_order_relaxed))
                return false;
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

    // The paragraphs read, less the document's final paragraph mark: every paragraph ends with
    // \par, the last one too, and nothing after that last mark is a paragraph of its own.
    RtfContent content() && {
        if (m_content.paragraphs.size() > 1 && m_content.paragraphs.last().runs.isEmpty())
            m_content.paragraphs.removeLast();
        return std::move(m_content);
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
            m_content.defaultFont = parameter.value_or(0);
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
                m_content.colours.append(m_colour);
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
        QList<Run>& runs = m_content.paragraphs.last().runs;
        if (runs.isEmpty() || !(runs.last().format == state.chars))
            runs.append({state.chars, QString()});
        runs.last().text += ch;
    }

    void paragraphEnd() {
        const GroupState& state = group();
        if (state.destination != Destination::Text || state.chars.hidden)
            return;
        m_content.paragraphs.last().mark = state.chars;
        m_content.paragraphs.append(Paragraph{{}, state.chars});
    }

    // The entry ends at its ";" (or its group's end); text before any \fN names nothing.
    void commitFont() {
        if (m_fontNumber >= 0)
            m_content.fonts.insert(m_fontNumber, {m_fontName.trimmed(), m_fontCodePage});
        m_fontNumber = -1;
        m_fontCodePage = 0;
        m_fontName.clear();
    }

    int textCodePage() const {
        const auto it = m_content.fonts.constFind(m_content.fontNumber(group().chars));
        if (it != m_content.fonts.cend() && it->codePage != 0)
            return it->codePage;
        return m_codePage;
    }

    QByteArrayView m_in;
    const std::atomic<bool>* m_stop = nullptr;
    qsizetype m_read = 0; // steps of the loop, for how often it looks at m_stop
    qsizetype m_pos = 0;
    QList<GroupState> m_groups;
    int m_fallbackLeft = 0;
    RtfByteDecoder m_decoder;

    int m_codePage = kCodePage1250;

    // The font table entry and the colour table entry being read.
    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QString m_fontName;
    QColor m_colour;

    RtfContent m_content;
};

} // namespace

bool RichTextReader::read(QByteArrayView bytes, QTextDocument& document) {
    const std::optional<RtfContent> content = parse(bytes);
    if (!content)
        return false;
    content->fill(document);
    return true;
}

std::optional<RtfContent> RichTextReader::parse(QByteArrayView bytes,
                                                const std::atomic<bool>* stop) {
    Reader reader(bytes, stop);
    if (!reader.parse())
        return std::nullopt;
    return std::move(reader).content();
}
