#include "RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<int(const QString&)>& readFault() {
    static std::function<int(const QString&)> value;
    return value;
}

std::function<bool(const QString&)>& writeProtected() {
    static std::function<bool(const QString&)> value;
    return value;
}

RegularFile::Read failed(int errorNumber, bool opened = false) {
    return {std::nullopt, errorNumber, opened};
}

// Refused as the system refuses a file it may not open.
RegularFile::Read notRegular() {
    return failed(EACCES);
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

void RegularFile::setReadFaultForTesting(std::function<int(const QString&)> errorFor) {
    readFault() = std::move(errorFor);
}

void RegularFile::setWriteProtectedForTesting(std::function<bool(const QString&)> isProtected) {
    writeProtected() = std::move(isProtected);
}

RegularFile::Read RegularFile::read(const QString& path, qint64 limit, Access access) {
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a device may already act on it.
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular();
    const bool writing = access == Access::ReadWrite;
    if (writing && writeProtected() && writeProtected()(path))
        return failed(EACCES);
    // Non-blocking, so that a pipe put in its place since cannot hold the open.
    const Descriptor file(::open(name.constData(), (writing ? O_RDWR : O_RDONLY) | O_NONBLOCK |
                                                       O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return failed(errno);
    if (::fstat(file.fd(), &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular();
    if (readFault()) {
        if (const int errorNumber = readFault()(path))
            return failed(errorNumber, true);
    }

    const qint64 wanted = limit < 0 ? std::numeric_limits<qint64>::max() : limit;
    // Read straight into room for the size the file has now and one byte more, where the end
    // shows without the array growing; a file that grows meanwhile gets more room.
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min<qint64>(wanted, info.st_size)) + 1);
    constexpr qint64 Chunk = 1 << 20;
    while (bytes.size() < wanted) {
        const qsizetype had = bytes.size();
        qint64 chunk = std::min<qint64>(Chunk, wanted - had);
        if (bytes.capacity() > had)
            chunk = std::min<qint64>(chunk, bytes.capacity() - had);
        bytes.resize(had + qsizetype(chunk));
        const ssize_t got = ::read(file.fd(), bytes.data() + had, size_t(chunk));
        bytes.resize(had + std::max<qsizetype>(got, 0));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failed(errno, true);
        }
        if (got == 0)
            break;
    }
    return {bytes, 0, true};
}

bool RegularFile::replaceable(const QString& path) {
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode);
}
