#pragma once

#include <QString>

// The running program file and its folder. The folder always ends with "/", so that a file of
// the program is named by appending its name.
namespace ProgramPath {

QString file();
QString folder();

} // namespace ProgramPath
