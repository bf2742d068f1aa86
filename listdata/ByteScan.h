#pragma once
// Fast searches over raw list bytes, for readers that pass over records they know they
// will not need. Sixteen bytes are tested at a time; results are the same as the plain
// loops at the end of each function.

#include <cstddef>
#include <cstring>
#include <string_view>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bytescan {

constexpr std::size_t npos = std::string_view::npos;

#if defined(__x86_64__) && defined(__GNUC__)
inline const bool kHaveAvx2 = [] {
    __builtin_cpu_init(); // may run before the library's own initialisation
    return __builtin_cpu_supports("avx2") != 0;
}();

// FindText's candidate loop 32 bytes at a time; returns where it stopped in `*from`.
__attribute__((target("avx2"))) inline std::size_t FindTextAvx2(std::string_view bytes, std::string_view text,
                                                                std::size_t* from)
{
    const std::size_t n = text.size();
    const char* const data = bytes.data();
    const __m256i first = _mm256_set1_epi8(text.front());
    const __m256i last = _mm256_set1_epi8(text.back());
    std::size_t i = 0;
    for (; i + n - 1 + 32 <= bytes.size(); i += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i + n - 1));
        unsigned mask = static_cast<unsigned>(
            _mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(a, first), _mm256_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            if (std::memcmp(data + at + 1, text.data() + 1, n - 2) == 0)
                return at;
            mask &= mask - 1;
        }
    }
    *from = i;
    return npos;
}
#endif

// Position of the first occurrence of the non-empty `text` in `bytes`, npos when none.
// Candidates are found by the text's first and last bytes together, so a common first
// byte (quotes around series titles) costs little.
inline std::size_t FindText(std::string_view bytes, std::string_view text)
{
    const std::size_t n = text.size();
    if (n == 0 || n > bytes.size())
        return npos;
    const char* const data = bytes.data();
    std::size_t i = 0;
#if defined(__x86_64__) && defined(__GNUC__)
    if (n > 1 && kHaveAvx2) {
        const std::size_t at = FindTextAvx2(bytes, text, &i);
        if (at != npos)
            return at;
    }
#endif
#if defined(__SSE2__)
    if (n > 1) {
        const __m128i first = _mm_set1_epi8(text.front());
        const __m128i last = _mm_set1_epi8(text.back());
        for (; i + n - 1 + 16 <= bytes.size(); i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + n - 1));
            unsigned mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            while (mask != 0) {
                const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
                if (std::memcmp(data + at + 1, text.data() + 1, n - 2) == 0)
                    return at;
                mask &= mask - 1;
            }
        }
    }
#endif
    const std::size_t rest = bytes.substr(i).find(text);
    return rest == npos ? npos : i + rest;
}

// Position of the first line start in `bytes` (behind a line feed, or at 0 when
// `atLineStart`) whose first byte is a line feed, a carriage return or a NUL; npos when
// none. A line start at the end of `bytes` is not judged.
inline std::size_t FindEmptyishLineStart(std::string_view bytes, bool atLineStart)
{
    auto emptyish = [](char c) { return c == '\n' || c == '\r' || c == '\0'; };
    if (bytes.empty())
        return npos;
    if (atLineStart && emptyish(bytes[0]))
        return 0;
    const char* const data = bytes.data();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i zero = _mm_setzero_si128();
    for (; i + 17 <= bytes.size(); i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
        const __m128i next =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, newline), _mm_cmpeq_epi8(b, cr)), _mm_cmpeq_epi8(b, zero));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, newline), next)));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(mask)) + 1;
    }
#endif
    for (; i + 1 < bytes.size(); ++i)
        if (data[i] == '\n' && emptyish(data[i + 1]))
            return i + 1;
    return npos;
}

// Position of the first line start in `bytes` that begins with "---" (see
// FindEmptyishLineStart for what a line start is); npos when none.
inline std::size_t FindDashesLineStart(std::string_view bytes, bool atLineStart)
{
    if (atLineStart && bytes.substr(0, 3) == "---")
        return 0;
    const std::size_t at = FindText(bytes, "\n---");
    return at == npos ? npos : at + 1;
}

// The largest position p <= `limit` that directly follows an empty line (p - 1 is the
// line feed of a line holding nothing else, or only a CR before it); 0 when none. The
// empty line counts only when its start is known: behind a line feed in `bytes`, or at 0
// when `atLineStart`.
inline std::size_t AfterLastEmptyLine(std::string_view bytes, std::size_t limit, bool atLineStart)
{
    const char* const data = bytes.data();
    for (std::size_t p = limit; p >= 1; --p) {
        const void* feed = ::memrchr(data, '\n', p);
        if (!feed)
            return 0;
        p = static_cast<std::size_t>(static_cast<const char*>(feed) - data) + 1;
        // data[p - 1] ends a line; it is empty when that line starts at p - 1 or p - 2.
        if (p >= 2 && data[p - 2] == '\n')
            return p;
        if (p >= 3 && data[p - 2] == '\r' && data[p - 3] == '\n')
            return p;
        if (atLineStart && (p == 1 || (p == 2 && data[0] == '\r')))
            return p;
    }
    return 0;
}

// Position behind the last line feed in bytes[0, limit); 0 when none.
inline std::size_t AfterLastLineFeed(std::string_view bytes, std::size_t limit)
{
    const void* feed = limit == 0 ? nullptr : ::memrchr(bytes.data(), '\n', limit);
    return feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - bytes.data()) + 1 : 0;
}

} // namespace bytescan
