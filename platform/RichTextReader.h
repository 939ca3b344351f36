#pragma once

#include "RtfContent.h"

#include <QByteArrayView>

#include <atomic>
#include <optional>

class QTextDocument;

// The reading half of RichText: an RTF stream into the document (see RichText::read).
namespace RichTextReader {

// Parses the whole stream first and fills the document only when it is sound: false leaves the
// document untouched.
bool read(QByteArrayView bytes, QTextDocument& document);

// What a sound stream holds, without the empty paragraph after its last \par; nothing when the
// stream is not sound, or when stop turned true meanwhile. Touches no document, so a worker
// thread may parse while the window goes on.
std::optional<RtfContent> parse(QByteArrayView bytes, const std::atomic<bool>* stop = nullptr);

} // namespace RichTextReader
