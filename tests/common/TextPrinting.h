#pragma once

#include <QString>

#include <ostream>

// Texts in failure messages as text, not as a list of characters.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
