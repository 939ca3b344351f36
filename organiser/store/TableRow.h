#pragma once

#include <QString>

// One row of an appointment's or a task's table: its time of day and its message.
struct TableRow {
    QString time;
    QString message;
    bool operator==(const TableRow&) const = default;
};

// The rows of one table at the most, its header row included: a table file, the grids that show
// or edit one and the viewer's alarms all stop there.
constexpr int MaxTableRows = 256;
