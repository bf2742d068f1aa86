#pragma once
// Scaling of screen measures (pixels, points, twips) the way the system's layout
// arithmetic has always done it: multiply first in 64 bits, then divide, rounding halves
// away from zero.

#include <cstdint>
#include <limits>

namespace platform {

// number * numerator / denominator, rounded; -1 when the denominator is 0 or the result
// does not fit in 32 bits.
constexpr std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator)
{
    if (denominator == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<std::int32_t>(result);
}

} // namespace platform
