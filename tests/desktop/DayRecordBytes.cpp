#include "DayRecordBytes.h"

DayRecordBytes::DayRecordBytes(const QByteArray& name, const QList<QByteArray>& dates,
                               bool selected)
    : m_bytes(Size, '\0') {
    for (int i = 17; i < Size; ++i)
        m_bytes[i] = char(0x80 | (i * 5 % 0x7F));
    m_bytes[0] = selected ? 1 : 0;
    for (int k = 1; k <= 16; ++k)
        putShortString(17 + 6 * (k - 1), k <= dates.size() ? dates[k - 1] : QByteArray("0"));
    putShortString(113, name);
}

void DayRecordBytes::putShortString(int offset, const QByteArray& text) {
    m_bytes[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        m_bytes[offset + 1 + i] = text[i];
}

DayRecordBytes& DayRecordBytes::pending(int k) {
    m_bytes[k] = 1;
    return *this;
}
