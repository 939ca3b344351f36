#include "RunError.h"

RunError::RunError(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text) {
}

RunError RunError::io(const QString& path, const QString& reason) {
    return RunError(QStringLiteral("I/O error on %1: %2").arg(path, reason));
}
