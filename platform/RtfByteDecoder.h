#pragma once

#include "CodePage.h"
#include "RichTextCommon.h"

#include <QChar>
#include <QHash>

#include <array>
#include <optional>

// Single-byte code pages: 1250 from platform/CodePage, 1252 from its table here (the code page
// of \fcharset0 and of western rich-text boxes), any other through the system's converter when
// it knows it, else 1250.
class RtfByteDecoder {
public:
    QChar decode(int codePage, unsigned char byte) {
        if (byte < 0x80)
            return QChar(char16_t(byte));
        if (codePage == 1252) {
            if (byte >= 0xA0)
                return QChar(char16_t(byte));
            return QChar(k1252[byte - 0x80]);
        }
        if (codePage != RichTextCommon::kCodePage1250) {
            if (const HighHalf* table = other(codePage))
                return QChar((*table)[byte - 0x80]);
        }
        return CodePage::decodeByte(byte);
    }

private:
    using HighHalf = std::array<char16_t, 128>;

    // Unicode of the bytes 0x80..0x9F in Windows-1252; the rest is Latin-1.
    static constexpr std::array<char16_t, 32> k1252 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
    };

    const HighHalf* other(int codePage);

    QHash<int, std::optional<HighHalf>> m_others;
};
