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
    if (read(bytes, document))
        return;
    QString text = CodePage::toUnicode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.setPlainText(text);
}
