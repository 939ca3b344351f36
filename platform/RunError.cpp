#include "RunError.h"

#include <cerrno>

RunError::RunError(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text) {
}

IoCause RunError::causeOf(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return IoCause::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return IoCause::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoCause::DiskFull;
    default:
        return IoCause::Other;
    }
}

RunError RunError::io(IoCause cause) {
    switch (cause) {
    case IoCause::NotFound:
        return RunError(QStringLiteral("File not found"));
    case IoCause::AccessDenied:
        return RunError(QStringLiteral("File access denied"));
    case IoCause::DiskFull:
        return RunError(QStringLiteral("Disk full"));
    case IoCause::ReadBeyondEnd:
        return RunError(QStringLiteral("Read beyond end of file"));
    case IoCause::Other:
        break;
    }
    return io(EIO);
}

RunError RunError::io(int errorNumber) {
    const IoCause cause = causeOf(errorNumber);
    if (cause != IoCause::Other)
        return io(cause);
    return RunError(QStringLiteral("I/O error %1").arg(errorNumber));
}

RunError RunError::lastIo() {
    return io(errno != 0 ? errno : EIO);
}
