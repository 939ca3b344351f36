#pragma once

#include "Shell.h"

#include <QString>

// The box text both programs show when the viewer could not be started; empty when it started.
// The program is named as the message shows it, already in capitals.
class StartFailure {
public:
    static QString message(Shell::StartResult result, const QString& shownProgram);
};
