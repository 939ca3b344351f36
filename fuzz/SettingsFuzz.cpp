// A settings file of any bytes: a value written under a key reads back as written, and the other
// keys keep the values they had.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9)
        return 0;
    const QString& key = Keys[data[0] % 3];
    const QString& other = Keys[(data[0] + 1) % 3];
    const QString value = valueFrom(QByteArrayView(reinterpret_cast<const char*>(data) + 1, 8));
    const QString path = FuzzSupport::scratchFile(data + 9, size - 9);

    const QString none = QStringLiteral("\x01");
    const QString otherBefore = ProfileFile::readString(path, Section, other, none);
    ProfileFile::readString(path, QStringLiteral("General"), key, none);
    ProfileFile::writeString(path, Section, key, value);
    FUZZ_CHECK(ProfileFile::readString(path, Section, key, none) == value);
    FUZZ_CHECK(ProfileFile::readString(path, Section, other, none) == otherBefore);
    return 0;
}
