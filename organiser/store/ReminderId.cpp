#include "ReminderId.h"

namespace ReminderId {

std::int64_t fromLocalTime(const QDateTime& localNow) {
    // The wall-clock reading counted as if it were UTC: local seconds since the epoch.
    const QDateTime wallClock(localNow.date(), localNow.time(), Qt::UTC);
    const std::int64_t ms = wallClock.toMSecsSinceEpoch();
    // Round half away from zero; integer division alone would truncate towards zero.
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

QString text(std::int64_t id) {
    return QString::number(id);
}

} // namespace ReminderId
