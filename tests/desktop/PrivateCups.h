#pragma once

#include "ProgramRun.h"

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A print system of the test's own: a CUPS scheduler started in the foreground with its own
// settings, spool and logs in a temporary folder, listening on a socket there only (the programs
// find it through CUPS_SERVER), with one PDF printer as the desktop's default. Nothing depends
// on, or reaches, a scheduler of the machine's. Ended with the object.
//
// The printer is the generic PDF printer's model (Debian printer-driver-cups-pdf) taking the
// document as PDF, and its device a file in the folder. Its own backend would distil the
// document again through PostScript with Ghostscript, which draws the letters right but loses
// which letters they are (pdftotext reads ő and ű, or every letter, as other characters).
class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // False when a piece is missing or did not come up; error() then says which and why.
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The value of CUPS_SERVER for the programs that print.
    QString server() const { return m_folder.filePath(QStringLiteral("cups.sock")); }

    // The file the printer writes each document to.
    QString printedFile() const { return m_folder.filePath(QStringLiteral("out/printed.pdf")); }
    // True once no job waits or prints any more.
    bool isIdle() const;

    // The scheduler's record of the pages it printed, a line each, with the job's title.
    QString pageLog() const;

    // The scheduler's log, for a failure message.
    QString log() const;

private:
    bool writeSettings();
    bool startScheduler();
    bool addPrinter();
    bool fail(const QString& error);
    ProgramRun::Result tool(const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_folder;
    QString m_error;
    QProcessEnvironment m_environment;
    std::unique_ptr<ProgramRun> m_scheduler;
};
