#include "PrintDestination.h"

#include "AtomicFile.h"
#include "RegularFile.h"

#include <QDir>
#include <QPrintEngine>
#include <QPrinter>

#include <cerrno>

namespace {

// Qt's CUPS print engine keeps the job options its dialog chose (page ranges, pages per sheet,
// the printer's own settings) under this key of its own.
constexpr auto CupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QByteArray sides(const QPrinter& printer) {
    const bool portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        break;
    case QPrinter::DuplexAuto:
        return portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    }
    return "one-sided";
}

// What the dialog set, as the print system's job options.
PrintQueue::Options jobOptions(QPrinter& printer) {
    PrintQueue::Options options;
    options.emplaceBack("media", printer.pageLayout().pageSize().key().toLocal8Bit());
    if (printer.copyCount() > 1) {
        options.emplaceBack("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            options.emplaceBack("Collate", "True");
    }
    options.emplaceBack("sides", sides(printer));
    if (printer.pageLayout().orientation() == QPageLayout::Landscape)
        options.emplaceBack("landscape", QByteArray());
    const QStringList chosen = printer.printEngine()->property(CupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        options.emplaceBack(chosen[i].toLocal8Bit(), chosen[i + 1].toLocal8Bit());
    return options;
}

} // namespace

PrintDestination::PrintDestination(QPrinter& printer)
    : m_file(printer.outputFileName()) {
    if (m_file.isEmpty()) {
        m_queue = printer.printerName().section(QLatin1Char('/'), 0, 0);
        m_options = jobOptions(printer);
    }
    // A temporary folder that is not there comes back empty, which would name the root folder.
    const QString temporaries = QDir::tempPath();
    if (temporaries.isEmpty()) {
        m_failure = RunError::io(ENOENT);
        return;
    }
    m_document.setFileTemplate(temporaries + QStringLiteral("/zimpa-print-XXXXXX"));
    errno = 0;
    if (!m_document.open()) {
        m_failure = RunError::lastIo();
        return;
    }
    m_document.close();
    // A name without ".pdf" keeps the printer's kind: a printer of the print system stays one,
    // with its page layout, and writes into the file instead of handing the job over itself.
    printer.setOutputFileName(m_document.fileName());
}

void PrintDestination::deliver(const QString& jobTitle) const {
    const RegularFile::Read document = RegularFile::read(m_document.fileName());
    if (!document.ok())
        throw document.error();
    // The print engine does not tell a failed write: a document cut short lacks its last line.
    if (!document.bytes->trimmed().endsWith("%%EOF"))
        throw RunError::io(EIO);
    if (m_file.isEmpty()) {
        PrintQueue(m_queue).submit(m_document.fileName(), jobTitle, m_options);
        return;
    }
    const AtomicFile::Result written = AtomicFile::write(m_file, *document.bytes);
    if (!written.ok)
        throw written.error();
}
