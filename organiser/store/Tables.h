#pragma once

#include "Kind.h"
#include "TDayRec.h"
#include "TReminderRec.h"

#include <QString>

#include <array>

// The reminders of one kind: indices 0 to n - 1 in the order of their list's lines, ID 0 after.
class ReminderTable {
public:
    static constexpr int Capacity = 1025;

    TReminderRec& operator[](int index) { return m_records[index]; }
    const TReminderRec& operator[](int index) const { return m_records[index]; }

private:
    std::array<TReminderRec, Capacity> m_records{};
};

// The days of one calendar: indices 1 to 1024 in file order, empty names after the used ones.
class DayTable {
public:
    static constexpr int Capacity = 1024;
    static constexpr int First = 1;
    static constexpr int Last = Capacity;

    TDayRec& operator[](int index) { return m_records[index - First]; }
    const TDayRec& operator[](int index) const { return m_records[index - First]; }

private:
    std::array<TDayRec, Capacity> m_records{};
};

// The organiser's five tables, zero at start and alive for the whole run.
struct Tables {
    ReminderTable IdopontList;
    ReminderTable FeladatList;
    ReminderTable FeljegyzesList;
    DayTable NevnapList;
    DayTable UnnepList;

    // Kinds 0 to 2.
    ReminderTable& reminders(Kind kind);
    // Kinds 3 and 4.
    DayTable& days(Kind kind);

    // The file of each kind in the data folder: "time.list", ..., "unnep.data".
    static QString fileName(Kind kind);
};
