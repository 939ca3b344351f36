#include "RunError.h"

#include <cerrno>

namespace {

// The causes a reason text may name; qt_error_string words them as the file classes do.
constexpr int KnownNumbers[] = {ENOENT, ENOTDIR, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EFBIG};

} // namespace

RunError::RunError(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text) {
}

QString RunError::notRegularReason() {
    return QStringLiteral("Not a regular file");
}

IoCause RunError::causeOf(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return IoCause::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return IoCause::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoCause::DiskFull;
    default:
        return IoCause::Other;
    }
}

IoCause RunError::causeOf(const QString& reason) {
    if (reason == notRegularReason())
        return IoCause::AccessDenied;
    for (const int number : KnownNumbers) {
        if (reason == qt_error_string(number))
            return causeOf(number);
    }
    return IoCause::Other;
}

RunError RunError::io(const QString& path, IoCause cause, const QString& reason) {
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
    return RunError(QStringLiteral("I/O error on %1: %2").arg(path, reason));
}

RunError RunError::io(const QString& path, int errorNumber) {
    return io(path, causeOf(errorNumber), qt_error_string(errorNumber));
}

RunError RunError::io(const QString& path, const QString& reason) {
    return io(path, causeOf(reason), reason);
}
