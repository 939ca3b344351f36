#include "CommandLine.h"

#include "AsciiCase.h"

#include <algorithm>

namespace CommandLine {

int newReminderRequests(const QStringList& arguments) {
    qsizetype examined = arguments.size() % 256;
    if (examined == 0)
        examined = std::min<qsizetype>(arguments.size(), 256);
    int requests = 0;
    for (qsizetype i = 0; i < examined; ++i) {
        if (asciiUpper(arguments[i]) == QLatin1String("-N"))
            ++requests;
    }
    return requests;
}

} // namespace CommandLine
