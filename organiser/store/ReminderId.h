#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// A reminder's identifier: the moment of its creation as whole seconds since 1970-01-01 00:00
// of the local clock (not UTC), rounded to the nearest second.
namespace ReminderId {

std::int64_t fromLocalTime(const QDateTime& localNow);

// The name of the reminder's content file.
QString text(std::int64_t id);

} // namespace ReminderId
