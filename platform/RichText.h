#pragma once

#include "RtfContent.h"

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <optional>

class QTextDocument;

// The note files' Rich Text Format, in place of the Windows rich-text box's own stream.
//
// The writer produces what a rich-text box writes: text in Windows-1250, paragraphs, tabs, line
// breaks and the character formats bold, italic, underline, strikeout, font, size and text colour.
// Paragraph formats, pictures, tables and lists are not written; the text in tables and lists is,
// one paragraph after another.
//
// The reader accepts that and what other rich-text boxes and word processors typically write; what
// it does not understand (destinations, paragraph formats, pictures) it skips, and it never reads
// past the end of its input, whatever the bytes.
//
// Paragraph ends: every paragraph, the last one too, ends with \par, as a rich-text box writes it
// (its document always ends with a paragraph mark). The reader therefore drops one empty
// paragraph after the last \par, so a document written and read back has the same paragraphs.
class RichText {
public:
    // The document as an RTF stream: {\rtf1\ansi\ansicpg1250\deff0{\fonttbl...}{\colortbl ;...}
    // \viewkind4\uc1\pard ... \par ... }. The font table starts with the document's default font
    // (\deff0) and holds the fonts in the order of their first use; the colour table, written only
    // when a character has a colour of its own, holds the colours likewise, after the "auto" entry.
    // Text without a colour of its own stands under \cf0 ("auto"), so it takes the colour of the
    // box that reads it. Font and size are always written: the document's default font where a
    // character has none of its own, as a rich-text box writes its control's font.
    static QByteArray write(const QTextDocument& document);

    // Parses an RTF stream into the document (replacing its content) and returns true. Returns
    // false and leaves the document untouched when the bytes are not RTF or are damaged: no
    // "{\rtf" at the very start, a group left open at the end, a "}" without its "{", anything but
    // blanks and NUL bytes after the closing "}", a truncated or malformed \' escape, a \bin
    // longer than the rest, a control character other than tab, carriage return and line feed, or
    // groups nested more than 100 deep.
    //
    // Characters get only the formats the stream gives them: no \fs keeps the document's default
    // size, no \cf (or \cf of the "auto" entry) its default colour. Bytes decode in the code page
    // of the character's font (its \fcharset or \cpg) or else the stream's \ansicpg; Windows-1250
    // when neither says. Hidden text (\v) is dropped.
    static bool read(QByteArrayView bytes, QTextDocument& document);

    // What a rich-text box does when it loads a file: the RTF when read() accepts it, otherwise the
    // bytes as plain Windows-1250 text with the document's default format. In plain text every CR
    // LF, lone LF and lone CR ends a paragraph, and a final line end starts one more, empty
    // paragraph, as in a rich-text box or a plain text box (the caret can stand on the line after
    // the last line end). So the new-reminder dialog's "text" CR LF loads as the text and an empty
    // last paragraph.
    static void load(QByteArrayView bytes, QTextDocument& document);

    // What load() puts into a document, without a document: the RTF's paragraphs when read()
    // accepts the bytes, otherwise the plain text's lines, each a paragraph of the default format.
    // Nothing only when stop turned true meanwhile. A worker thread may read while the window
    // goes on; RtfFill then puts the paragraphs into the document.
    static std::optional<RtfContent> content(QByteArrayView bytes,
                                             const std::atomic<bool>* stop = nullptr);
};
