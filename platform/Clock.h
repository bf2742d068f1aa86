#pragma once
// Wall-clock time, replaceable in tests (document dates, Sumwatch's log).

#include <ctime>

namespace platform {

class IClock {
public:
    virtual ~IClock() = default;
    virtual std::time_t Now() const = 0;
};

// The clock in force: the system clock unless a test installed another.
const IClock& Clock();
// Installs `clock` (not owned; null restores the system clock). Tests only.
void SetClock(const IClock* clock);

class FixedClock : public IClock {
public:
    explicit FixedClock(std::time_t now) : m_now(now) {}
    std::time_t Now() const override { return m_now; }
    void Set(std::time_t now) { m_now = now; }

private:
    std::time_t m_now;
};

} // namespace platform
