#pragma once

#include "PrintDestination.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>

class RunError;

class QPrinter;

// A printer used as a text file: strings are written one after the other, a line end moves to
// the next line, and closing hands the document to the printer. Lines run from the top of the
// printable area down; a line that would not fit below starts a new page, and a line wider than
// the page goes on in the next line, so no text is cut off the paper.
//
// Every write, line end and the close raises RunError when the printer cannot take it; the
// document is then still to be closed. The close raises it too when the document does not reach
// the file or the print queue the print dialog chose (see PrintDestination).
class PrinterText {
public:
    // Begins the document under the job title, for the destination the print dialog set.
    PrinterText(QPrinter& printer, const QString& jobTitle);
    ~PrinterText(); // ends a document left open
    PrinterText(const PrinterText&) = delete;
    PrinterText& operator=(const PrinterText&) = delete;

    // The font of the following lines; a size of 0 or less keeps the size.
    void setFont(const QString& family, int pointSize);

    // Adds the text to the current line; each line break in it ends a line.
    void write(const QString& text);
    void endLine();

    // Ends the document and hands it over; a line not yet ended is printed first.
    void close();

    // What a closed document held: its job title and, page by page, the lines as printed.
    struct Document {
        QString jobTitle;
        QList<QStringList> pages;
    };
    static void setRecorderForTesting(std::function<void(const Document&)> recorder);

private:
    void checkPrinter() const;
    void startLine();

    QPrinter& m_printer;
    PrintDestination m_destination;
    QPainter m_painter;
    QFont m_font;
    QString m_line;
    qreal m_top = 0;
    bool m_closed = false;
    Document m_document;
};
