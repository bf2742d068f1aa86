#pragma once
// Argument checks and the machine facts that every benchmark prints beside its figures.

#include "platform/VectorLevel.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

// A whole decimal number above 0; false for anything else.
inline bool ParseCount(const char* text, std::uint64_t& value)
{
    const char* end = text + std::strlen(text);
    const auto [at, error] = std::from_chars(text, end, value);
    return error == std::errc() && at == end && value > 0;
}

// A decimal number above 0 (fractions allowed); false for anything else.
inline bool ParseAmount(const char* text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value > 0;
}

// The reader's vector level, and the load of the machine, on one line.
inline void PrintMachine()
{
    double load[3] = {0, 0, 0};
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &load[0], &load[1], &load[2]) != 3)
            load[0] = load[1] = load[2] = 0;
        std::fclose(f);
    }
    std::printf("vector level %s (RV_VECTOR_LEVEL forces a lower one); load average %.2f %.2f %.2f\n",
                platform::VectorLevelName(platform::ActiveVectorLevel()), load[0], load[1], load[2]);
}

// Seconds since `start`.
inline double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs of `work`, in seconds.
template <class F> double Best(F work)
{
    double best = 1e30;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, Seconds(start));
    }
    return best;
}

} // namespace bench
