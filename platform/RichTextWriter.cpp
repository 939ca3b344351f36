#include "RichTextWriter.h"

#include "CodePage.h"
#include "RichTextCommon.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

using namespace RichTextCommon;

namespace {

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

} // namespace

QByteArray RichTextWriter::stream(const QTextDocument& document) {
    return Writer(document).stream();
}
