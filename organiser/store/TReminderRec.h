#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One appointment, task or note as the list files store it: 104 bytes, kept as they were read so
// that bytes no field covers go back to the file unchanged.
//
//   0  8  ID         signed 64-bit, little-endian; 0 marks a slot without a reminder
//   8  1  Checked    Boolean
//   9 65  Title      short string, capacity 64
//  74 11  StartDate  short string, capacity 10
//  85 11  EndDate    short string, capacity 10
//  96  1  Reserved
//  97  7  padding
class TReminderRec {
public:
    static constexpr int Size = 104;
    static constexpr int FieldsSize = 97; // the part a backup stores
    static constexpr int TitleCapacity = 64;
    static constexpr int DateCapacity = 10;

    std::int64_t ID() const;
    void setID(std::int64_t id);

    bool Checked() const;
    void setChecked(bool checked); // stores 1 or 0

    QString Title() const;
    void setTitle(const QString& title); // cut to 64 characters

    QString StartDate() const;
    void setStartDate(const QString& date); // cut to 10 characters
    QString EndDate() const;
    void setEndDate(const QString& date);

    unsigned char Reserved() const { return static_cast<unsigned char>(m_bytes[96]); }

    const char* data() const { return m_bytes.data(); }
    char* data() { return m_bytes.data(); }

    bool operator==(const TReminderRec&) const = default;

private:
    std::array<char, Size> m_bytes{};
};

static_assert(sizeof(TReminderRec) == TReminderRec::Size);
