// A note of any bytes: loading never fails, and an RTF stream that the reader accepts, written
// again, is accepted again with the same text.
#include "FuzzSupport.h"
#include "RichText.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSupport::startGui(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument loaded;
    RichText::load(bytes, loaded);

    QTextDocument document;
    if (!RichText::read(bytes, document))
        return 0;
    const QByteArray written = RichText::write(document);
    QTextDocument reread;
    FUZZ_CHECK(RichText::read(written, reread));
    FUZZ_CHECK(reread.toPlainText() == document.toPlainText());
    return 0;
}
