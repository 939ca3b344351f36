#include "RtfFill.h"

#include <QTextDocument>

#include <algorithm>

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

RtfFill::RtfFill(const RtfContent& content, QTextDocument& document)
    : m_content(content)
    , m_document(document)
    , m_undo(document.isUndoRedoEnabled()) {
    // As QTextDocument::setPlainText: the undo history ends here.
    m_document.setUndoRedoEnabled(false);
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
}

RtfFill::~RtfFill() {
    m_document.setUndoRedoEnabled(m_undo);
}

bool RtfFill::step(qsizetype count) {
    const QList<RtfContent::Paragraph>& paragraphs = m_content.paragraphs;
    const qsizetype end = std::min(paragraphs.size(), m_next + std::max<qsizetype>(count, 0));
    m_cursor.beginEditBlock();
    for (; m_next < end; ++m_next) {
        const RtfContent::Paragraph& paragraph = paragraphs[m_next];
        if (m_next == 0)
            m_cursor.setBlockCharFormat(m_content.format(paragraph.mark));
        else
            m_cursor.insertBlock(QTextBlockFormat(), m_content.format(paragraph.mark));
        for (const RtfContent::Run& run : paragraph.runs)
            m_cursor.insertText(withPairedSurrogates(run.text), m_content.format(run.format));
    }
    m_cursor.endEditBlock();
    return m_next >= paragraphs.size();
}
