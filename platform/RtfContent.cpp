#include "RtfContent.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// \u of a lone surrogate would leave half a character in the document.
QString withPairedSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

int RtfContent::fontNumber(const CharState& chars) const {
    return chars.font >= 0 ? chars.font : defaultFont;
}

void RtfContent::fill(QTextDocument& document) const {
    QList<Paragraph> blocks = paragraphs;
    if (blocks.size() > 1 && blocks.last().runs.isEmpty())
        blocks.removeLast(); // the document's final paragraph mark

    // As QTextDocument::setPlainText: the undo history ends here.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const Paragraph& paragraph = blocks[i];
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

QTextCharFormat RtfContent::format(const CharState& chars) const {
    QTextCharFormat format;
    const auto font = fonts.constFind(fontNumber(chars));
    if (font != fonts.cend() && !font->name.isEmpty())
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
    if (chars.colour >= 0 && chars.colour < colours.size() && colours[chars.colour].isValid())
        format.setForeground(colours[chars.colour]);
    return format;
}
