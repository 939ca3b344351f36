#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// A file made immutable for as long as the object lives: nobody may open it for writing, replace
// or remove it, root included (tests run as root, where a read-only mode refuses nothing). Needs
// a file system that keeps the flag (ext4, xfs, btrfs; not tmpfs or overlayfs) and the right to
// set it; applied() tells whether it was set.
class ImmutableFile {
public:
    explicit ImmutableFile(const QString& path)
        : m_path(QFile::encodeName(path)) {
        m_applied = setFlag(true);
    }
    ~ImmutableFile() {
        if (m_applied)
            setFlag(false);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool applied() const { return m_applied; }

private:
    bool setFlag(bool on) const {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QByteArray m_path;
    bool m_applied = false;
};
