#pragma once
// Byte scans over raw text, one set per vector level (platform/VectorLevel.h). Every set
// gives the same results as the plain loops of the baseline set; only the speed differs.
// The scans never read past `size` bytes.

#include "platform/VectorLevel.h"

#include <cstddef>
#include <cstdint>

namespace platform {

struct ByteKernels {
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Writes base + i for every i < 64 * words with data[i] == '\n', in order, to
    // `positions` and returns their number; 64 * words bytes must be readable, and
    // `positions` must have room for 8 more than are found. *cr tells whether any of
    // those bytes is a CR.
    std::size_t (*newlinePositions)(const char* data, std::size_t words, std::uint32_t base, std::uint32_t* positions,
                                    bool* cr);
    // Position of the first occurrence of text[0, length) (length >= 2) in data, or npos.
    std::size_t (*findText)(const char* data, std::size_t size, const char* text, std::size_t length);
    // Position of the first occurrence of text[0, length) or of other[0, otherLength) (both
    // lengths >= 2) in data, or npos; when found, *isOther tells which (the text where
    // both begin). *cr tells whether the bytes before it (all of data with npos) hold a
    // CR. One pass over the bytes for all three.
    std::size_t (*findEitherText)(const char* data, std::size_t size, const char* text, std::size_t length,
                                  const char* other, std::size_t otherLength, bool* isOther, bool* cr);
    // Position p >= 1 of the first line start (data[p - 1] == '\n', p < size) whose byte
    // is a line feed, a CR or a NUL; npos when none.
    std::size_t (*findEmptyishLineStart)(const char* data, std::size_t size);
    // Position p of the first line start (p == 0, or data[p - 1] == '\n'; p < size) whose
    // byte could open a name that sorts, ASCII letters folded, at or after a name opening
    // with the folded byte `bound`: any byte but TAB, blank, line feed and NUL whose
    // folded value is not below `bound`, and '-' (a line of dashes); npos when none.
    std::size_t (*findNameAtOrAbove)(const char* data, std::size_t size, unsigned char bound);
};

// The set for `level`; ByteKernelsInForce() is the set for ActiveVectorLevel().
const ByteKernels& KernelsFor(VectorLevel level);
inline const ByteKernels& KernelsInForce()
{
    return KernelsFor(ActiveVectorLevel());
}

} // namespace platform
