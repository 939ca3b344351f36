#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starting other programs and opening addresses and documents, the two things the programs ask
// of the desktop's shell.
class Shell {
public:
    // How a start went. The failures carry the numbers that the programs' messages are keyed on
    // (0 and 8 out of memory, 2 program missing, 3 folder missing, 5 access denied, 11 not a
    // program); a start that worked is above 32, so "static_cast<int>(result) > 32" still reads
    // as success.
    enum class StartResult : int {
        OutOfResources = 0, // a failure the system names no better
        FileNotFound = 2,
        PathNotFound = 3, // the program's folder or the working folder is missing
        AccessDenied = 5,
        OutOfMemory = 8,
        BadFormat = 11,   // the file is there but is not a program that can run
        SessionEnded = 1, // not tried: the desktop session has ended, nobody would meet it
        Started = 33,
    };

    // Starts the program as a process of its own that outlives the caller and is never waited
    // for; once the desktop session has ended (see SessionEnd), nothing more is started. The
    // arguments reach it one by one, untouched by any shell. The program is named by its path (no
    // search along PATH); a relative path and a relative working folder are taken against the
    // caller's current folder. An empty working folder keeps the caller's.
    static StartResult startProgram(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder = {});

    static bool started(StartResult result) { return static_cast<int>(result) > 32; }

    // Hands the text, exactly as given, to the desktop's opener (xdg-open), which picks the
    // browser, mail program or viewer for it. False when the opener cannot be started (nor once
    // the session has ended); whether it then finds a handler is the desktop's business.
    static bool open(const QString& text);

    // Every open() goes to the given function instead of the desktop's opener; an empty
    // function gives the opener back.
    using Opener = std::function<void(const QString& text)>;
    static void setOpenerForTesting(Opener opener);

    // Every startProgram() goes to the given function instead of starting anything; an empty
    // function starts programs again.
    using Starter = std::function<StartResult(const QString& program, const QStringList& arguments,
                                              const QString& workingFolder)>;
    static void setStarterForTesting(Starter starter);
};
