#include "LockWait.h"

#include <QThread>

#include <cerrno>
#include <sys/file.h>

bool LockWait::exclusive(int fd, const QDeadlineTimer& deadline) {
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
}
