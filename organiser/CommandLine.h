#pragma once

#include <QStringList>

// The organiser's command line: "-N" in any letter case opens the new-reminder dialog at start,
// once for each time it is given; every other parameter is ignored.
namespace CommandLine {

// How many times the dialog is to open. The parameters (the program's own path first) are
// counted in eight bits, as the organiser always has: with P parameters after the path, the
// first (P + 1) modulo 256 are examined, all 256 when that is 0.
int newReminderRequests(const QStringList& arguments);

} // namespace CommandLine
