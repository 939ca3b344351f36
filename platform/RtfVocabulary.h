#pragma once

#include <QByteArrayView>
#include <QChar>

#include <optional>

// The meaning of the RTF control words the rich-text reader looks up by name.
namespace RtfVocabulary {

// The code page of a font table's \fcharset; 0 for "the stream's \ansicpg".
int codePageOfCharset(int charset);

// Destinations whose content is not the document's text.
bool isSkippedDestination(QByteArrayView word);

// \ul and its dotted, double, wavy ... kinds: all read as underline.
bool isUnderline(QByteArrayView word);

// Control words that stand for one character.
std::optional<QChar> characterOf(QByteArrayView word);

} // namespace RtfVocabulary
