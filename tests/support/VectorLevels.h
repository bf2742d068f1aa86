#pragma once
// The vector levels this processor runs, for tests that hold every fast path against
// the baseline path in one process.

#include "platform/VectorLevel.h"

#include <vector>

namespace testsupport {

inline std::vector<platform::VectorLevel> SupportedVectorLevels()
{
    std::vector<platform::VectorLevel> levels;
    for (platform::VectorLevel level :
         {platform::VectorLevel::sse2, platform::VectorLevel::avx2, platform::VectorLevel::avx512bw})
        if (static_cast<int>(level) <= static_cast<int>(platform::SupportedVectorLevel()))
            levels.push_back(level);
    return levels;
}

// Puts `level` in force for the object's life.
class ScopedVectorLevel {
public:
    explicit ScopedVectorLevel(platform::VectorLevel level) : m_before(platform::ActiveVectorLevel())
    {
        platform::SetVectorLevel(level);
    }
    ~ScopedVectorLevel() { platform::SetVectorLevel(m_before); }
    ScopedVectorLevel(const ScopedVectorLevel&) = delete;
    ScopedVectorLevel& operator=(const ScopedVectorLevel&) = delete;

private:
    platform::VectorLevel m_before;
};

} // namespace testsupport
