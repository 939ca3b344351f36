#include "PrinterText.h"

#include "RunError.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextLayout>

namespace {

std::function<void(const PrinterText::Document&)>& recorder() {
    static std::function<void(const PrinterText::Document&)> value;
    return value;
}

} // namespace

void PrinterText::setRecorderForTesting(std::function<void(const Document&)> value) {
    recorder() = std::move(value);
}

namespace {

// The printer refused to begin or to go on with the document, for a reason it does not tell.
RunError printerError() {
    return RunError::io(IoCause::Other);
}

} // namespace

PrinterText::PrinterText(QPrinter& printer, const QString& jobTitle)
    : m_printer(printer)
    , m_destination(printer) {
    m_printer.setDocName(jobTitle);
    m_document.jobTitle = jobTitle;
    m_document.pages.append(QStringList());
    // Whether the document began is checked by the first write; without a file of its own the
    // printer would hand the job over unchecked, so it does not begin at all.
    if (!m_destination.failure() && m_painter.begin(&m_printer))
        m_font = m_painter.font();
}

PrinterText::~PrinterText() {
    if (m_painter.isActive())
        m_painter.end();
}

void PrinterText::setFont(const QString& family, int pointSize) {
    m_font.setFamily(family);
    if (pointSize > 0)
        m_font.setPointSize(pointSize);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterText::checkPrinter() const {
    if (m_destination.failure())
        throw *m_destination.failure();
    if (!m_painter.isActive() || m_printer.printerState() == QPrinter::Error)
        throw printerError();
}

void PrinterText::write(const QString& text) {
    checkPrinter();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r|\u2028|\u2029"));
    const QStringList lines = text.split(lineBreak);
    for (int i = 0; i < lines.size(); ++i) {
        m_line += lines[i];
        if (i + 1 < lines.size())
            endLine();
    }
}

void PrinterText::endLine() {
    checkPrinter();
    const QString line = std::exchange(m_line, QString());
    if (line.isEmpty()) {
        startLine();
        m_document.pages.last().append(line);
        m_top += QFontMetricsF(m_font, &m_printer).lineSpacing();
        return;
    }
    // Laid out once: the shaping that finds where the line breaks is also what is drawn.
    QTextLayout layout(line, m_font, &m_printer);
    layout.setCacheEnabled(true); // the shaped glyphs stay for the drawing
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
        piece.setLineWidth(m_printer.width());
        piece.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    const qreal spacing = QFontMetricsF(m_font, &m_printer).lineSpacing();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine piece = layout.lineAt(i);
        startLine();
        piece.draw(&m_painter, QPointF(0, m_top));
        m_document.pages.last().append(line.mid(piece.textStart(), piece.textLength()));
        m_top += spacing;
    }
}

void PrinterText::close() {
    if (m_closed)
        return;
    m_closed = true;
    std::exception_ptr failure;
    if (!m_line.isEmpty()) {
        try {
            endLine();
        } catch (const RunError&) {
            failure = std::current_exception();
        }
    }
    // The document ends whatever happened to its last line.
    const bool ended =
        m_painter.isActive() && m_painter.end() && m_printer.printerState() != QPrinter::Error;
    if (failure)
        std::rethrow_exception(failure);
    if (!ended) {
        checkPrinter(); // raises the reason where one is known
        throw printerError();
    }
    m_destination.deliver(m_document.jobTitle);
    if (recorder())
        recorder()(m_document);
}

// A line that would not fit below starts a new page.
void PrinterText::startLine() {
    const QFontMetricsF metrics(m_font, &m_printer);
    if (m_top > 0 && m_top + metrics.height() > m_printer.height()) {
        if (!m_printer.newPage())
            throw printerError();
        m_top = 0;
        m_document.pages.append(QStringList());
    }
}
