#pragma once

#include <QDeadlineTimer>

// Waiting for another process's file lock, never for good: a stuck holder (a hung program, a
// backup tool) would otherwise freeze the waiting window, and the session's end with it.
class LockWait {
public:
    LockWait() = delete;

    // Takes the exclusive lock of the open file before the deadline. False when another still
    // holds it then, or when the file takes no lock at all.
    static bool exclusive(int fd, const QDeadlineTimer& deadline);
};
