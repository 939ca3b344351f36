#include "Clock.h"

namespace {

std::function<QDateTime()>& source() {
    static std::function<QDateTime()> value;
    return value;
}

} // namespace

QDateTime Clock::now() {
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::setForTesting(std::function<QDateTime()> value) {
    source() = std::move(value);
}
