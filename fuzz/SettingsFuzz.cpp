// A settings file of any bytes: a value written under a key reads back as written, and the write
// changes nothing else. A key that was there keeps its line: only text after its "=" on that one
// line changes. A key that was not there is added as a whole line of its own, and not one byte
// of the old file goes.
#include "CodePage.h"
#include "FuzzSupport.h"
#include "ProfileFile.h"
#include "RunError.h"

namespace {

const QString Section = QStringLiteral("MainForm");
const QString Keys[] = {QStringLiteral("Top"), QStringLiteral("FontName"),
                        QStringLiteral("tbNevnapPos")};

// A value the format can carry as it is: printable, no blanks at its ends, not quoted.
QString valueFrom(QByteArrayView bytes) {
    QString value;
    for (const char byte : bytes)
        value += QChar(u'!' + (static_cast<unsigned char>(byte) % 90));
    value.replace(QLatin1Char('"'), QLatin1Char('x')).replace(QLatin1Char('\''), QLatin1Char('x'));
    return value;
}

// The one stretch in which two files differ: what the first had there and the second has.
struct Change {
    qsizetype at = 0;
    QByteArray removed;
    QByteArray added;
};

Change changeBetween(const QByteArray& before, const QByteArray& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {head, before.mid(head, before.size() - head - tail),
            after.mid(head, after.size() - head - tail)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9)
        return 0;
    const QString& key = Keys[data[0] % 3];
    const QString value = valueFrom(QByteArrayView(reinterpret_cast<const char*>(data) + 1, 8));
    const QByteArray before(reinterpret_cast<const char*>(data) + 9, qsizetype(size - 9));
    const QString path = FuzzSupport::scratchFile(before);

    // A missing key gives each reader its own default; one that is there gives both its value.
    const bool existed = ProfileFile::readString(path, Section, key, QStringLiteral("a")) ==
                         ProfileFile::readString(path, Section, key, QStringLiteral("b"));
    ProfileFile::writeString(path, Section, key, value);
    FUZZ_CHECK(ProfileFile::readString(path, Section, key, QString()) == value);

    const QByteArray after = FuzzSupport::fileBytes(path);
    const Change change = changeBetween(before, after);
    if (existed) {
        FUZZ_CHECK(!change.removed.contains('\n') && !change.added.contains('\n'));
        if (before != after)
            FUZZ_CHECK(before.lastIndexOf('=', change.at - 1) >
                       before.lastIndexOf('\n', change.at - 1));
    } else {
        const QByteArray line = CodePage::fromUnicode(key + QLatin1Char('=') + value) + "\r\n";
        FUZZ_CHECK(change.removed.isEmpty());
        FUZZ_CHECK(change.added.endsWith(line));
        FUZZ_CHECK(change.at == 0 || before[change.at - 1] == '\n' || change.at == before.size());
    }
    return 0;
}
