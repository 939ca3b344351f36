#include "RunError.h"

#include <cerrno>

RunError::RunError(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text) {
}

RunError RunError::io(const QString& path, const QString& reason) {
    return RunError(QStringLiteral("I/O error on %1: %2").arg(path, reason));
}

RunError::IoCause RunError::causeOf(int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return IoCause::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoCause::DiskFull;
    case ENOENT:
    case ENOTDIR:
        return IoCause::NotFound;
    default:
        return IoCause::Other;
    }
}

RunError RunError::io(const QString& path, IoCause cause, const QString& reason) {
    switch (cause) {
    case IoCause::AccessDenied:
        return RunError(QStringLiteral("File access denied"));
    case IoCause::DiskFull:
        return RunError(QStringLiteral("Disk full"));
    case IoCause::NotFound:
        return RunError(QStringLiteral("File not found"));
    case IoCause::ReadBeyondEnd:
        return RunError(QStringLiteral("Read beyond end of file"));
    case IoCause::Other:
        break;
    }
    return io(path, reason);
}
