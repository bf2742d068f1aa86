#include "platform/VectorLevel.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

VectorLevel Detect()
{
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init(); // may run before the library's own initialisation
    // The compiler's checks include the operating system's saving of the wider registers.
    // Every processor with these vectors also counts bits and trailing zeros in one step,
    // which the wider paths use too.
    const bool bits = __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi");
    if (bits && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512f"))
        return VectorLevel::avx512bw;
    if (bits && __builtin_cpu_supports("avx2"))
        return VectorLevel::avx2;
#endif
    return VectorLevel::sse2;
}

VectorLevel Lower(VectorLevel a, VectorLevel b)
{
    return static_cast<int>(a) < static_cast<int>(b) ? a : b;
}

VectorLevel FromEnvironment()
{
    const VectorLevel supported = SupportedVectorLevel();
    const char* asked = std::getenv("RV_VECTOR_LEVEL");
    if (asked == nullptr)
        return supported;
    for (VectorLevel level : {VectorLevel::sse2, VectorLevel::avx2, VectorLevel::avx512bw})
        if (std::strcmp(asked, VectorLevelName(level)) == 0)
            return Lower(level, supported);
    return supported;
}

std::atomic<int>& LevelInForce()
{
    static std::atomic<int> level{static_cast<int>(FromEnvironment())};
    return level;
}

} // namespace

VectorLevel SupportedVectorLevel()
{
    static const VectorLevel supported = Detect();
    return supported;
}

VectorLevel ActiveVectorLevel()
{
    return static_cast<VectorLevel>(LevelInForce().load(std::memory_order_relaxed));
}

VectorLevel SetVectorLevel(VectorLevel level)
{
    const VectorLevel used = Lower(level, SupportedVectorLevel());
    LevelInForce().store(static_cast<int>(used), std::memory_order_relaxed);
    return used;
}

const char* VectorLevelName(VectorLevel level)
{
    switch (level) {
    case VectorLevel::avx2:
        return "avx2";
    case VectorLevel::avx512bw:
        return "avx512bw";
    case VectorLevel::sse2:
        break;
    }
    return "sse2";
}

} // namespace platform
