// A note of any bytes: an RTF stream that the reader accepts, written again, is accepted again
// with the same text; bytes it refuses leave the document as it was, and loading them gives the
// bytes as plain Windows-1250 text, one paragraph for each line.
#include "CodePage.h"
#include "FuzzSupport.h"
#include "RichText.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// The paragraphs' own text, line feeds between them: no character of theirs replaced.
QString paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts.join(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSupport::startGui(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument loaded;
    RichText::load(bytes, loaded);

    const QString untouched = QStringLiteral("unchanged");
    QTextDocument document(untouched);
    if (!RichText::read(bytes, document)) {
        FUZZ_CHECK(document.toPlainText() == untouched);
        QString text = CodePage::toUnicode(bytes);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        FUZZ_CHECK(paragraphs(loaded) == text);
        return 0;
    }
    const QByteArray written = RichText::write(document);
    QTextDocument reread;
    FUZZ_CHECK(RichText::read(written, reread));
    FUZZ_CHECK(reread.toPlainText() == document.toPlainText());
    return 0;
}
