#pragma once

#include <QDateTime>

#include <functional>

// The local clock. Tests set the time they need.
class Clock {
public:
    static QDateTime now();

    // An empty function gives the system clock back.
    static void setForTesting(std::function<QDateTime()> source);
};
