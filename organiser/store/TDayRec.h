#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// One name day or holiday as the calendar files store it: 242 bytes, no padding, kept as read.
//
//   0    1  Selected  Boolean: the user follows this day
//   1   16  Pending   16 Booleans, date k (1..16) at offset k: its announcement is still due
//  17   96  Dates     16 short strings of capacity 5, date k at 17 + 6 (k - 1): "MM.DD" or "0"
// 113  129  Name      short string, capacity 128; empty marks the end of the used records
class TDayRec {
public:
    static constexpr int Size = 242;
    static constexpr int DateCount = 16;
    static constexpr int DateCapacity = 5;
    static constexpr int NameCapacity = 128;

    bool Selected() const { return m_bytes[0] != 0; }
    void setSelected(bool selected) { m_bytes[0] = selected ? 1 : 0; }

    // k from 1 to 16.
    bool Pending(int k) const { return m_bytes[k] != 0; }
    void setPending(int k, bool pending) { m_bytes[k] = pending ? 1 : 0; }

    // k from 1 to 16.
    QString Date(int k) const;
    void setDate(int k, const QString& date);
    // The stored bytes of the date, undecoded, as a view into the record.
    QByteArrayView dateBytes(int k) const;

    QString Name() const;
    QByteArrayView nameBytes() const;
    void setName(const QString& name); // cut to 128 characters
    bool hasName() const { return m_bytes[NameOffset] != 0; }

    const char* data() const { return m_bytes.data(); }
    char* data() { return m_bytes.data(); }

    bool operator==(const TDayRec&) const = default;

private:
    static constexpr int NameOffset = 113;

    std::array<char, Size> m_bytes{};
};

static_assert(sizeof(TDayRec) == TDayRec::Size);
