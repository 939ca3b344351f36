#include "Polling.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace Polling {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds interval) {
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        // Lets the processes we started report their end while we wait.
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(interval.count()));
    }
}

} // namespace Polling
