#pragma once

#include <QChar>

// What the rich-text writer and reader agree on: the code page they write and read by default,
// the font sizes a rich-text box keeps, and which characters of a document are not text.
namespace RichTextCommon {

constexpr int kCodePage1250 = 1250;
constexpr int kCharsetEastEurope = 238;
// A rich-text box keeps font sizes between 1 and 1638 points.
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;

// Characters of a QTextDocument that are structure, not text: objects, frame bounds, paragraph
// ends. Neither written nor read as text.
inline bool isDocumentMarker(QChar ch) {
    const char16_t unit = ch.unicode();
    return unit == 0xFFFC || unit == 0xFDD0 || unit == 0xFDD1 || unit == 0x2029 || unit == 0;
}

} // namespace RichTextCommon
