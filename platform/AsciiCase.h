#pragma once

#include <QString>

// Upper-cases the letters a to z only; accented letters and everything else stay as they are.
QString asciiUpper(const QString& text);
