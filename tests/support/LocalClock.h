#pragma once
// Local dates for tests that depend on "today", and a fixed clock installed for a scope.

#include "platform/Clock.h"

#include <ctime>

namespace testsupport {

// Noon keeps the date the same whatever daylight saving does to the hour.
inline std::time_t LocalNoon(int year, int month, int day)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class ClockScope {
public:
    explicit ClockScope(std::time_t now) : m_clock(now) { platform::SetClock(&m_clock); }
    ~ClockScope() { platform::SetClock(nullptr); }
    ClockScope(const ClockScope&) = delete;
    ClockScope& operator=(const ClockScope&) = delete;
    void Set(std::time_t now) { m_clock.Set(now); }

private:
    platform::FixedClock m_clock;
};

} // namespace testsupport
