#include "TReminderRec.h"

#include "CodePage.h"
#include "ShortString.h"

#include <QtEndian>

namespace {

constexpr int CheckedOffset = 8;
constexpr int TitleOffset = 9;
constexpr int StartDateOffset = 74;
constexpr int EndDateOffset = 85;

} // namespace

std::int64_t TReminderRec::ID() const {
    return qFromLittleEndian<qint64>(m_bytes.data());
}

void TReminderRec::setID(std::int64_t id) {
    qToLittleEndian<qint64>(id, m_bytes.data());
}

bool TReminderRec::Checked() const {
    return m_bytes[CheckedOffset] != 0;
}

void TReminderRec::setChecked(bool checked) {
    m_bytes[CheckedOffset] = checked ? 1 : 0;
}

QString TReminderRec::Title() const {
    return CodePage::toUnicode(ShortString::read(m_bytes.data() + TitleOffset, TitleCapacity));
}

void TReminderRec::setTitle(const QString& title) {
    ShortString::write(m_bytes.data() + TitleOffset, TitleCapacity, CodePage::fromUnicode(title));
}

QString TReminderRec::StartDate() const {
    return CodePage::toUnicode(ShortString::read(m_bytes.data() + StartDateOffset, DateCapacity));
}

void TReminderRec::setStartDate(const QString& date) {
    ShortString::write(m_bytes.data() + StartDateOffset, DateCapacity, CodePage::fromUnicode(date));
}

QString TReminderRec::EndDate() const {
    return CodePage::toUnicode(ShortString::read(m_bytes.data() + EndDateOffset, DateCapacity));
}

void TReminderRec::setEndDate(const QString& date) {
    ShortString::write(m_bytes.data() + EndDateOffset, DateCapacity, CodePage::fromUnicode(date));
}
