#pragma once
// The widest vector instructions the byte scans of the list reader use, chosen once at
// run time from what the processor offers. The environment variable RV_VECTOR_LEVEL
// ("sse2", "avx2" or "avx512bw") forces a narrower path, so that every path can be
// measured and tested on one machine; a level the processor lacks is never used.

namespace platform {

enum class VectorLevel {
    sse2,     // the x86-64 baseline (elsewhere: plain loops)
    avx2,     // 32 bytes at a time
    avx512bw, // 64 bytes at a time
};

// The highest level the processor and the operating system support.
VectorLevel SupportedVectorLevel();
// The level in force: the supported one, or the one RV_VECTOR_LEVEL asks for when lower.
VectorLevel ActiveVectorLevel();
// Makes `level` (lowered to the supported one) the level in force for scans begun from
// now on, and returns it. For tests that compare the paths in one process.
VectorLevel SetVectorLevel(VectorLevel level);
const char* VectorLevelName(VectorLevel level);

} // namespace platform
