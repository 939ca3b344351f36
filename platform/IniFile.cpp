#include "IniFile.h"

#include "ColourNames.h"
#include "ProfileFile.h"
#include "RunError.h"

#include <utility>

namespace {

int hexDigit(QChar ch) {
    const char16_t unit = ch.unicode();
    if (unit >= u'0' && unit <= u'9')
        return unit - u'0';
    if (unit >= u'a' && unit <= u'f')
        return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F')
        return unit - u'A' + 10;
    return -1;
}

std::optional<qint32> hexadecimal(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar ch : digits) {
        const int digit = hexDigit(ch);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return qint32(quint32(value));
}

std::optional<qint32> decimal(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar ch : text) {
        // Only the digits 0 to 9: QChar::isDigit would take other scripts' digits too.
        if (ch.unicode() < u'0' || ch.unicode() > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > qint64(2147483648))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > qint64(2147483647))
        return std::nullopt;
    return qint32(value);
}

} // namespace

IniFile::IniFile(const QString& path)
    : m_path(path) {
}

QString IniFile::readValue(const QString& section, const QString& ident,
                           const QString& defaultValue) const {
    if (!m_contents)
        m_contents = ProfileFile::contents(m_path);
    return ProfileFile::readString(*m_contents, section, ident, defaultValue);
}

QString IniFile::ReadString(const QString& section, const QString& ident,
                            const QString& defaultValue) const {
    return readValue(section, ident, defaultValue);
}

int IniFile::ReadInteger(const QString& section, const QString& ident, int defaultValue) const {
    return textToInteger(readValue(section, ident, QString())).value_or(defaultValue);
}

bool IniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

quint32 IniFile::ReadColour(const QString& section, const QString& ident,
                            quint32 defaultColour) const {
    // A missing key reads as the default's own text, which converts back to exactly that value;
    // an empty value is no colour and raises like any other text that is none.
    return textToColour(readValue(section, ident, colourToText(defaultColour)));
}

void IniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
    m_contents.reset();
    if (m_batching)
        m_batch.append({section, ident, value});
    else
        ProfileFile::writeString(m_path, section, ident, value);
}

void IniFile::BeginBatch() {
    m_batching = true;
}

void IniFile::CommitBatch() {
    m_contents.reset();
    const QList<ProfileFile::Entry> batch = std::exchange(m_batch, {});
    m_batching = false;
    ProfileFile::writeStrings(m_path, batch);
}

void IniFile::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::WriteColour(const QString& section, const QString& ident, quint32 colour) {
    WriteString(section, ident, colourToText(colour));
}

std::optional<qint32> IniFile::textToInteger(QStringView text) {
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        return hexadecimal(text.sliced(2));
    if (text.startsWith(u'$'))
        return hexadecimal(text.sliced(1));
    return decimal(text);
}

QString IniFile::colourToText(quint32 colour) {
    const QString name = ColourNames::colourToName(colour);
    if (!name.isEmpty())
        return name;
    return QLatin1Char('$') +
           QString::number(colour, 16).rightJustified(8, QLatin1Char('0')).toUpper();
}

quint32 IniFile::textToColour(const QString& text) {
    if (const std::optional<quint32> named = ColourNames::nameToColour(text))
        return *named;
    if (const std::optional<qint32> number = textToInteger(text))
        return quint32(*number);
    throw RunError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
}
