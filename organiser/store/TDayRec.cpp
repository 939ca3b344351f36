#include "TDayRec.h"

#include "CodePage.h"
#include "ShortString.h"

namespace {

constexpr int dateOffset(int k) {
    return 17 + 6 * (k - 1);
}

} // namespace

QString TDayRec::Date(int k) const {
    return CodePage::toUnicode(dateBytes(k));
}

QByteArrayView TDayRec::dateBytes(int k) const {
    return ShortString::read(m_bytes.data() + dateOffset(k), DateCapacity);
}

void TDayRec::setDate(int k, const QString& date) {
    ShortString::write(m_bytes.data() + dateOffset(k), DateCapacity, CodePage::fromUnicode(date));
}

QString TDayRec::Name() const {
    return CodePage::toUnicode(nameBytes());
}

QByteArrayView TDayRec::nameBytes() const {
    return ShortString::read(m_bytes.data() + NameOffset, NameCapacity);
}

void TDayRec::setName(const QString& name) {
    ShortString::write(m_bytes.data() + NameOffset, NameCapacity, CodePage::fromUnicode(name));
}
