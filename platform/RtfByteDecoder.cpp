#include "RtfByteDecoder.h"

#include <QStringDecoder>

const RtfByteDecoder::HighHalf* RtfByteDecoder::other(int codePage) {
    auto it = m_others.find(codePage);
    if (it == m_others.end()) {
        std::optional<HighHalf> table;
        QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
        if (decoder.isValid()) {
            table.emplace();
            for (int byte = 0x80; byte <= 0xFF; ++byte) {
                const char one = char(byte);
                const QString text = decoder.decode(QByteArrayView(&one, 1));
                decoder.resetState();
                (*table)[byte - 0x80] = text.size() == 1 ? text[0].unicode() : char16_t(0xFFFD);
            }
        }
        it = m_others.insert(codePage, table);
    }
    return it->has_value() ? &it->value() : nullptr;
}
