#include "RichText.h"

#include "CodePage.h"
#include "RichTextReader.h"
#include "RichTextWriter.h"

#include <QString>
#include <QTextDocument>

QByteArray RichText::write(const QTextDocument& document) {
    return RichTextWriter::stream(document);
}

bool RichText::read(QByteArrayView bytes, QTextDocument& document) {
    return RichTextReader::read(bytes, document);
}

void RichText::load(QByteArrayView bytes, QTextDocument& document) {
    if (const std::optional<RtfContent> paragraphs = content(bytes))
        paragraphs->fill(document);
}

std::optional<RtfContent> RichText::content(QByteArrayView bytes, const std::atomic<bool>* stop) {
    if (std::optional<RtfContent> rich = RichTextReader::parse(bytes, stop))
        return rich;
    // Every CR LF, lone LF and lone CR ends a line, and each line is a paragraph.
    RtfContent plain;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (stop && plain.paragraphs.size() % 4096 == 0 && stop->load())
            return std::nullopt;
        RtfContent::Paragraph paragraph;
        if (i > start)
            paragraph.runs.append(
                {RtfContent::CharState(), CodePage::toUnicode(bytes.sliced(start, i - start))});
        plain.paragraphs.append(std::move(paragraph));
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return plain;
}
