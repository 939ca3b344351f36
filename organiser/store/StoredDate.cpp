#include "StoredDate.h"

namespace {
const QString storedFormat = QStringLiteral("yyyy.MM.dd");
}

QString StoredDate::text(const QDate& date) {
    return date.toString(storedFormat);
}

QDate StoredDate::parse(const QString& text, const QString& shortFormat) {
    const QString trimmed = text.trimmed();
    const QDate stored = QDate::fromString(trimmed, storedFormat);
    if (stored.isValid())
        return stored;
    return QDate::fromString(trimmed, shortFormat);
}
