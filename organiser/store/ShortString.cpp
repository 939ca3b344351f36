#include "ShortString.h"

#include <algorithm>
#include <cstring>

namespace ShortString {

QByteArrayView read(const char* field, int capacity) {
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return QByteArrayView(field + 1, length);
}

void write(char* field, int capacity, QByteArrayView text) {
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), capacity));
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, text.data(), length);
}

} // namespace ShortString
