#include "RtfContent.h"

#include "RtfFill.h"

#include <QFont>

#include <algorithm>

int RtfContent::fontNumber(const CharState& chars) const {
    return chars.font >= 0 ? chars.font : defaultFont;
}

void RtfContent::fill(QTextDocument& document) const {
    RtfFill filling(*this, document);
    filling.step(paragraphs.size());
}

qsizetype RtfContent::longestParagraph() const {
    qsizetype longest = 0;
    for (const Paragraph& paragraph : paragraphs) {
        qsizetype length = 0;
        for (const Run& run : paragraph.runs)
            length += run.text.size();
        longest = std::max(longest, length);
    }
    return longest;
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
