#pragma once

#include "ProgramRun.h"
#include "TempFolder.h"

#include <QProcessEnvironment>
#include <QString>

#include <memory>

// A print system of the test's own: a CUPS scheduler in the foreground with its settings, spool
// and logs in a temporary folder, listening on a socket there only (the programs find it through
// CUPS_SERVER), with one PDF printer as the desktop's default. Ended with the object.
//
// The printer is the generic PDF printer's model (Debian printer-driver-cups-pdf) taking the
// document as PDF: its own backend would distil it again through Ghostscript, which loses which
// letters they are (pdftotext reads ő and ű as other characters).
class PrivateCups {
public:
    PrivateCups();

    // False when a piece is missing or did not come up; error() then says which and why.
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The value of CUPS_SERVER for the programs that print.
    QString server() const { return m_folder.file(QStringLiteral("cups.sock")); }
    QString printedFile() const { return m_folder.file(QStringLiteral("out/printed.pdf")); }
    // True once no job waits or prints any more.
    bool isIdle() const;

    // The printer refuses new jobs (cupsreject); false when the scheduler did not take that.
    bool rejectJobs();
    // The printer stops, holding the jobs it gets (cupsdisable).
    bool stopPrinter();
    // The scheduler ends, as on a machine whose print system went away.
    void stopScheduler();
    // The scheduler's record of the pages it printed, a line each, with the job's title.
    QString pageLog() const { return QString::fromUtf8(m_folder.read("log/page_log")); }
    // The scheduler's log, for a failure message.
    QString log() const { return QString::fromUtf8(m_folder.read("log/error_log")); }

private:
    bool writeSettings();
    bool startScheduler();
    bool addPrinter();
    bool command(const QString& program, const QStringList& arguments);
    bool fail(const QString& error);
    ProgramRun::Result tool(const QString& program, const QStringList& arguments) const;

    TempFolder m_folder;
    QString m_error;
    QProcessEnvironment m_environment;
    // Last, so that it ends first: the scheduler ends its jobs' filters as it stops.
    std::unique_ptr<ProgramRun> m_scheduler;
};
