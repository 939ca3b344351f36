// A table file of any bytes: the rows it gives, written as a table file, read back as the same
// rows.
#include "ContentFile.h"
#include "FuzzSupport.h"

namespace {

QList<TableRow> rowsOf(const QStringList& lines) {
    QList<TableRow> rows;
    for (const QString& line : lines)
        rows.append({ContentFile::SplitField(line, 0), ContentFile::SplitField(line, 1)});
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<QStringList> lines =
        ContentFile::readLines(FuzzSupport::scratchFile(data, size));
    FUZZ_CHECK(lines.has_value());
    FUZZ_CHECK(lines->size() <= ContentFile::MaxLines);
    for (const QString& line : *lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));

    const QList<TableRow> rows = rowsOf(*lines);
    const QByteArray written = ContentFile::tableBytes(rows);
    const std::optional<QStringList> reread = ContentFile::readLines(FuzzSupport::scratchFile(
        reinterpret_cast<const uint8_t*>(written.constData()), size_t(written.size())));
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(rowsOf(*reread) == rows);
    return 0;
}
