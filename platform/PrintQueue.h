#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// A queue of the desktop's print system (CUPS), which takes a finished document as a job. The
// submission says whether the job was taken: a queue that rejects jobs, a print system that does
// not answer, a queue that is gone all fail it, while a stopped queue that holds the job for
// later has taken it.
class PrintQueue {
public:
    using Options = QList<std::pair<QByteArray, QByteArray>>; // CUPS job options, name and value

    explicit PrintQueue(const QString& name);

    // Hands the file over as one job under the title; raises RunError when the job is not taken.
    void submit(const QString& file, const QString& title, const Options& options) const;

private:
    QString m_name;
};
