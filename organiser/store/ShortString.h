#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A short string of capacity N in a record: a length byte followed by N character bytes, of which
// the first "length" are the text. The bytes after the text are left as they stand.
namespace ShortString {

// The text, as a view into the field; a damaged length byte above the capacity is read as the
// capacity.
QByteArrayView read(const char* field, int capacity);

// Stores at most "capacity" bytes of the text; the rest of the field keeps its bytes.
void write(char* field, int capacity, QByteArrayView text);

} // namespace ShortString
