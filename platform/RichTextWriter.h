#pragma once

#include <QByteArray>

class QTextDocument;

// The writing half of RichText: the document as the RTF stream a rich-text box writes (see
// RichText::write).
namespace RichTextWriter {

QByteArray stream(const QTextDocument& document);

} // namespace RichTextWriter
