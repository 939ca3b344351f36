#include "PrintQueue.h"

#include "RunError.h"

#include <QFile>

#include <cups/cups.h>

#include <cerrno>

namespace {

// The print system's refusal in the run-time's words: a queue that will not take the job is a
// file that may not be written, a queue that is gone one that is not there; for the rest (no
// answer, a broken job) the system's words have no better cause than a failed input/output.
RunError refusal(ipp_status_t status) {
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_POSSIBLE:
        return RunError::io(EACCES);
    case IPP_STATUS_ERROR_NOT_FOUND:
        return RunError::io(ENOENT);
    default:
        return RunError::io(EIO);
    }
}

} // namespace

PrintQueue::PrintQueue(const QString& name)
    : m_name(name) {
}

void PrintQueue::submit(const QString& file, const QString& title, const Options& options) const {
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_name.toLocal8Bit().constData(),
                                   QFile::encodeName(file).constData(),
                                   title.toLocal8Bit().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (job <= 0)
        throw refusal(cupsLastError());
}
