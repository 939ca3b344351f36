#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QTextCharFormat>

class QTextDocument;

// What the rich-text reader takes from a stream: its paragraphs, their runs of text and the
// font and colour tables their formats point into.
struct RtfContent {
    // Character formatting as the stream sets it; -1 and 0 mean "not given".
    struct CharState {
        int font = -1;      // \fN; -1: the \deffN font
        int halfPoints = 0; // \fsN
        int colour = -1;    // \cfN
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool hidden = false;
        bool operator==(const CharState&) const = default;
    };

    struct Run {
        CharState format;
        QString text;
    };

    struct Paragraph {
        QList<Run> runs;
        CharState mark; // the format of its paragraph mark: that of an empty line
    };

    struct FontEntry {
        QString name;
        int codePage = 0;
    };

    int defaultFont = 0; // \deffN
    QMap<int, FontEntry> fonts;
    QList<QColor> colours;
    QList<Paragraph> paragraphs;

    int fontNumber(const CharState& chars) const;
    // The format the stream gives those characters.
    QTextCharFormat format(const CharState& chars) const;

    // Replaces the document's content with the paragraphs, as one edit, and ends its undo history.
    void fill(QTextDocument& document) const;

    // The number of characters of the longest paragraph.
    qsizetype longestParagraph() const;
};
