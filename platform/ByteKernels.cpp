#include "platform/ByteKernels.h"

#include <cstring>
#include <string_view>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define RV_X86_KERNELS 1
#endif

namespace platform {

namespace {

inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

// True for a line's first byte that cannot open a name sorting at or after `bound`.
inline bool PassesBelow(char c, unsigned char bound)
{
    return c == '\t' || c == ' ' || c == '\n' || c == '\0' ||
           (c != '-' && FoldAscii(static_cast<unsigned char>(c)) < bound);
}

} // namespace

#if RV_X86_KERNELS

// The x86-64 baseline has no population count instruction.
inline int SwarPopCount(std::uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

namespace sse2 {

inline int PopCount(std::uint64_t mask)
{
    return SwarPopCount(mask);
}

inline std::uint64_t EqMask(const char* p, char c)
{
    const __m128i needle = _mm_set1_epi8(c);
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        mask |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, needle))))
                << (16 * k);
    }
    return mask;
}

inline std::uint64_t PassMask(const char* p, unsigned char bound)
{
    const __m128i b = _mm_set1_epi8(static_cast<char>(bound));
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        const __m128i white =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')), _mm_cmpeq_epi8(v, _mm_set1_epi8(' '))),
                         _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_setzero_si128())));
        const __m128i t = _mm_sub_epi8(v, _mm_set1_epi8('A'));
        const __m128i upper = _mm_cmpeq_epi8(_mm_min_epu8(t, _mm_set1_epi8(25)), t);
        const __m128i folded = _mm_add_epi8(v, _mm_and_si128(upper, _mm_set1_epi8(32)));
        const __m128i notBelow = _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(folded, b), folded),
                                              _mm_cmpeq_epi8(v, _mm_set1_epi8('-')));
        const unsigned passes = static_cast<unsigned>(_mm_movemask_epi8(white)) |
                                (~static_cast<unsigned>(_mm_movemask_epi8(notBelow)) & 0xFFFFu);
        mask |= static_cast<std::uint64_t>(passes) << (16 * k);
    }
    return mask;
}

#include "platform/ByteKernels.inc"

} // namespace sse2

#pragma GCC push_options
#pragma GCC target("avx2,popcnt,bmi")
namespace avx2 {

inline int PopCount(std::uint64_t mask)
{
    return __builtin_popcountll(mask);
}

inline std::uint64_t Mask32(__m256i compared)
{
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(compared));
}

inline std::uint64_t EqMask(const char* p, char c)
{
    const __m256i needle = _mm256_set1_epi8(c);
    const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    return Mask32(_mm256_cmpeq_epi8(lo, needle)) | (Mask32(_mm256_cmpeq_epi8(hi, needle)) << 32);
}

inline std::uint64_t PassMask32(const char* p, unsigned char bound)
{
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i white = _mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\t')), _mm256_cmpeq_epi8(v, _mm256_set1_epi8(' '))),
        _mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\n')), _mm256_cmpeq_epi8(v, _mm256_setzero_si256())));
    const __m256i t = _mm256_sub_epi8(v, _mm256_set1_epi8('A'));
    const __m256i upper = _mm256_cmpeq_epi8(_mm256_min_epu8(t, _mm256_set1_epi8(25)), t);
    const __m256i folded = _mm256_add_epi8(v, _mm256_and_si256(upper, _mm256_set1_epi8(32)));
    const __m256i notBelow =
        _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(folded, _mm256_set1_epi8(static_cast<char>(bound))), folded),
                        _mm256_cmpeq_epi8(v, _mm256_set1_epi8('-')));
    return (Mask32(white) | ~Mask32(notBelow)) & 0xFFFFFFFFu;
}

inline std::uint64_t PassMask(const char* p, unsigned char bound)
{
    return PassMask32(p, bound) | (PassMask32(p + 32, bound) << 32);
}

#include "platform/ByteKernels.inc"

} // namespace avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx512bw,popcnt,bmi")
namespace avx512 {

inline int PopCount(std::uint64_t mask)
{
    return __builtin_popcountll(mask);
}

inline std::uint64_t EqMask(const char* p, char c)
{
    return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p), _mm512_set1_epi8(c));
}

inline std::uint64_t PassMask(const char* p, unsigned char bound)
{
    const __m512i v = _mm512_loadu_si512(p);
    const __mmask64 white = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\t')) |
                            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(' ')) |
                            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\n')) |
                            _mm512_cmpeq_epi8_mask(v, _mm512_setzero_si512());
    const __mmask64 upper = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(v, _mm512_set1_epi8('A')), _mm512_set1_epi8(26));
    const __m512i folded = _mm512_mask_add_epi8(v, upper, v, _mm512_set1_epi8(32));
    const __mmask64 below = _mm512_cmplt_epu8_mask(folded, _mm512_set1_epi8(static_cast<char>(bound))) &
                            ~_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('-'));
    return white | below;
}

#include "platform/ByteKernels.inc"

} // namespace avx512
#pragma GCC pop_options

#else

// Without x86 vectors: plain loops.
namespace sse2 {

inline int PopCount(std::uint64_t mask)
{
    return __builtin_popcountll(mask);
}

inline std::uint64_t EqMask(const char* p, char c)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= static_cast<std::uint64_t>(p[i] == c) << i;
    return mask;
}

inline std::uint64_t PassMask(const char* p, unsigned char bound)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= static_cast<std::uint64_t>(PassesBelow(p[i], bound)) << i;
    return mask;
}

#include "platform/ByteKernels.inc"

} // namespace sse2

#endif

const ByteKernels& KernelsFor(VectorLevel level)
{
#if RV_X86_KERNELS
    switch (level) {
    case VectorLevel::avx512bw:
        return avx512::kKernels;
    case VectorLevel::avx2:
        return avx2::kKernels;
    case VectorLevel::sse2:
        break;
    }
#else
    (void)level;
#endif
    return sse2::kKernels;
}

} // namespace platform
