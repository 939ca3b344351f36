#pragma once

#include "PrintQueue.h"
#include "RunError.h"

#include <QString>
#include <QTemporaryFile>

#include <optional>

class QPrinter;

// Where a printed document goes: the file the user chose in the print dialog, or a queue of the
// desktop's print system with the job options the dialog set. The printer makes the document in
// a temporary file of its own first, and only then is it handed over, so that every failure on
// the way is known: Qt's own print engine hands a job to the print system without telling whether
// it was taken, and writes a file without telling whether the disk took it.
class PrintDestination {
public:
    // Takes the destination the dialog set from the printer and points the printer at the
    // temporary file instead.
    explicit PrintDestination(QPrinter& printer);

    // Why no document can be made (no temporary file); nothing when it can.
    const std::optional<RunError>& failure() const { return m_failure; }

    // Hands the finished document over under the job title. Raises RunError when the document is
    // not whole, the file cannot be written (the old file then stays) or the queue does not take
    // the job.
    void deliver(const QString& jobTitle) const;

private:
    QTemporaryFile m_document;
    std::optional<RunError> m_failure;
    QString m_file; // the chosen file, or empty for a queue
    QString m_queue;
    PrintQueue::Options m_options;
};
