// A table file of any bytes: its lines are the input's, cut at each line feed, without their
// carriage returns, at most 256; written again as rows, each line comes back as it was with CR LF,
// a line without "|" as the empty row "|".
#include "CodePage.h"
#include "ContentFile.h"
#include "FuzzSupport.h"

namespace {

// The input's lines, read off its bytes.
QList<QByteArray> linesOf(QByteArrayView input) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < input.size() && lines.size() < ContentFile::MaxLines) {
        qsizetype end = input.indexOf('\n', start);
        if (end < 0)
            end = input.size();
        lines.append(input.sliced(start, end - start).toByteArray().replace('\r', QByteArray()));
        start = end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QStringList> lines =
        ContentFile::readLines(FuzzSupport::scratchFile(input));
    FUZZ_CHECK(lines.has_value());
    const QList<QByteArray> expected = linesOf(input);
    FUZZ_CHECK(lines->size() == expected.size());

    QList<TableRow> rows;
    QByteArray rewritten;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        FUZZ_CHECK(CodePage::fromUnicode(line) == expected[i]);
        rows.append({ContentFile::SplitField(line, 0), ContentFile::SplitField(line, 1)});
        rewritten += (expected[i].contains('|') ? expected[i] : QByteArray("|")) + "\r\n";
    }
    FUZZ_CHECK(ContentFile::tableBytes(rows) == rewritten);
    return 0;
}
