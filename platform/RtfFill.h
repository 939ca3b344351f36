#pragma once

#include "RtfContent.h"

#include <QTextCursor>

class QTextDocument;

// Fills a document with a content's paragraphs a number of them at a time, so that a long note
// goes in between the window's events: each step is one edit, laid out as it ends. It begins by
// emptying the document with its undo switched off, and switches the undo back as it goes: the
// history starts after the load, as with QTextDocument::setPlainText.
class RtfFill {
public:
    // The content must stay while the filling lives.
    RtfFill(const RtfContent& content, QTextDocument& document);
    ~RtfFill();
    RtfFill(const RtfFill&) = delete;
    RtfFill& operator=(const RtfFill&) = delete;

    // Adds up to count more paragraphs; true once all are in.
    bool step(qsizetype count);
    qsizetype done() const { return m_next; }

private:
    const RtfContent& m_content;
    QTextDocument& m_document;
    QTextCursor m_cursor;
    qsizetype m_next = 0;
    bool m_undo;
};
