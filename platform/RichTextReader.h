#pragma once

#include <QByteArrayView>

class QTextDocument;

// The reading half of RichText: an RTF stream into the document (see RichText::read).
namespace RichTextReader {

// Parses the whole stream first and fills the document only when it is sound: false leaves the
// document untouched.
bool read(QByteArrayView bytes, QTextDocument& document);

} // namespace RichTextReader
