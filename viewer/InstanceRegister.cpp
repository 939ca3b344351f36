#include "InstanceRegister.h"

#include "AtomicFile.h"
#include "LockWait.h"
#include "RegularFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A viewer holds the lock for one read and one small write. One that holds it longer is stuck,
// and waiting for it for good would keep every later viewer from starting: after this long the
// change goes ahead unlocked, which at worst lets two numbers coincide.
constexpr int kLockWaitMs = 1000;

// An exclusive lock on the register file itself. Every write replaces the file by a rename, so a
// lock on a file that has since been replaced guards nothing: the lock is taken again until it is
// held on the file that the name stands for.
class RegisterLock {
public:
    enum class Mode { Existing, CreateMissing };

    RegisterLock(const QString& path, Mode mode)
        : m_path(QFile::encodeName(path)) {
        const QDeadlineTimer deadline(kLockWaitMs);
        while (!deadline.hasExpired()) {
            bool created = false;
            // Non-blocking: a pipe in the register's place must not hold the viewer here.
            int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT && mode == Mode::CreateMissing) {
                fd = ::open(m_path.constData(),
                            O_RDONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666);
                if (fd < 0 && errno == EEXIST)
                    continue; // another viewer made it just now
                created = fd >= 0;
            }
            if (fd < 0)
                return; // nothing to lock: the write decides
            const Replaced replaced =
                LockWait::exclusive(fd, deadline) ? heldIsNamed(fd) : Replaced::Unknown;
            if (replaced == Replaced::No) {
                m_fd = fd;
                m_created = created;
                return;
            }
            ::close(fd);
            if (replaced == Replaced::Unknown)
                return; // no lock to be had: go on without
        }
    }

    ~RegisterLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;

    // Takes away the empty file this lock had to create, when nothing was written into it.
    void discardCreatedFile() const {
        struct stat info;
        if (m_created && ::fstat(m_fd, &info) == 0 && info.st_size == 0)
            ::unlink(m_path.constData());
    }

private:
    enum class Replaced { No, Yes, Unknown };

    Replaced heldIsNamed(int fd) const {
        struct stat held, named;
        if (::fstat(fd, &held) != 0)
            return Replaced::Unknown;
        if (::stat(m_path.constData(), &named) != 0)
            return errno == ENOENT ? Replaced::Yes : Replaced::Unknown;
        return held.st_dev == named.st_dev && held.st_ino == named.st_ino ? Replaced::No
                                                                          : Replaced::Yes;
    }

    QByteArray m_path;
    int m_fd = -1;
    bool m_created = false;
};

// The entries: empty when there is no register, nothing when it is there but cannot be read (a
// change must then leave it alone rather than write it anew without the other viewers' entries).
std::optional<QList<qint32>> readEntries(const QString& path, int* error = nullptr) {
    const RegularFile::Read read = RegularFile::read(path);
    if (read.missing())
        return QList<qint32>();
    if (!read.ok()) {
        if (error)
            *error = read.errorNumber;
        return std::nullopt;
    }
    const QByteArray& bytes = *read.bytes;
    QList<qint32> entries;
    entries.reserve(bytes.size() / 4);
    for (qsizetype at = 0; at + 4 <= bytes.size(); at += 4)
        entries.append(qFromLittleEndian<qint32>(bytes.constData() + at));
    return entries;
}

} // namespace

InstanceRegister::InstanceRegister(const QString& path)
    : m_path(path) {
}

void InstanceRegister::setRandomSource(RandomSource source) {
    m_random = std::move(source);
}

bool InstanceRegister::AddInstanceId(qint32 number) {
    m_lastError = 0;
    const RegisterLock lock(m_path, RegisterLock::Mode::CreateMissing);
    std::optional<QList<qint32>> entries = readEntries(m_path, &m_lastError);
    if (!entries)
        return false;
    entries->append(number);
    if (write(*entries))
        return true;
    lock.discardCreatedFile();
    return false;
}

bool InstanceRegister::RemoveInstanceId(qint32 number) {
    m_lastError = 0;
    const RegisterLock lock(m_path, RegisterLock::Mode::Existing);
    if (!QFileInfo::exists(m_path))
        return false;
    std::optional<QList<qint32>> entries = readEntries(m_path, &m_lastError);
    if (!entries)
        return false;
    if (entries->removeAll(number) == 0)
        return true;
    return write(*entries);
}

qint32 InstanceRegister::FindInstanceId(qint32 number) const {
    const QList<qint32> all = entries();
    return static_cast<qint32>(all.lastIndexOf(number));
}

std::optional<qint32> InstanceRegister::addNewInstanceId() {
    m_lastError = 0;
    const RegisterLock lock(m_path, RegisterLock::Mode::CreateMissing);
    std::optional<QList<qint32>> read = readEntries(m_path, &m_lastError);
    if (!read) {
        lock.discardCreatedFile();
        return std::nullopt;
    }
    QList<qint32> entries = *read;

    std::array<bool, Numbers> taken{};
    for (const qint32 entry : entries) {
        if (entry >= 0 && entry < Numbers)
            taken[entry] = true;
    }
    QList<qint32> free;
    for (qint32 number = 0; number < Numbers; ++number) {
        if (!taken[number])
            free.append(number);
    }
    if (free.isEmpty())
        return std::nullopt;

    // Drawing among the free numbers alone is as uniform as drawing again until one is free,
    // and it ends.
    const int bound = static_cast<int>(free.size());
    const int drawn = m_random ? m_random(bound) : QRandomGenerator::global()->bounded(bound);
    const qint32 number = free[qBound(0, drawn, bound - 1)];
    entries.append(number);
    if (!write(entries)) {
        lock.discardCreatedFile();
        return std::nullopt;
    }
    return number;
}

QList<qint32> InstanceRegister::entries() const {
    return readEntries(m_path).value_or(QList<qint32>());
}

bool InstanceRegister::write(const QList<qint32>& entries) {
    QByteArray bytes(entries.size() * 4, Qt::Uninitialized);
    for (qsizetype i = 0; i < entries.size(); ++i)
        qToLittleEndian<qint32>(entries[i], bytes.data() + 4 * i);
    const AtomicFile::Result result = AtomicFile::write(m_path, bytes);
    if (!result.ok)
        m_lastError = result.errorNumber;
    return result.ok;
}
