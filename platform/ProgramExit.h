#pragma once

// Raised where the program must end at once with an exit code (a calendar file is missing at
// start). It is not an error: the guard lets it through to the program's entry, or ends the event
// loop with its code when one is running.
struct ProgramExit {
    int code;
};
