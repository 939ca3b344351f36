#pragma once

#include <cstdint>

// The index used throughout the organiser: the main window's page, the table, the list file.
enum class Kind : std::uint8_t {
    Idopont = 0,    // appointments
    Feladat = 1,    // tasks
    Feljegyzes = 2, // notes
    Nevnap = 3,     // name days
    Unnep = 4,      // holidays
};

constexpr int KindCount = 5;

constexpr bool isReminderKind(Kind kind) {
    return static_cast<int>(kind) <= 2;
}
