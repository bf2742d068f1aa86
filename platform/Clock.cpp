#include "platform/Clock.h"

#include <atomic>

namespace platform {

namespace {
class SystemClock : public IClock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};
const SystemClock g_systemClock;
std::atomic<const IClock*> g_clock{nullptr};
} // namespace

const IClock& Clock()
{
    const IClock* clock = g_clock.load();
    return clock ? *clock : g_systemClock;
}

void SetClock(const IClock* clock) { g_clock.store(clock); }

} // namespace platform
