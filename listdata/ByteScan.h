#pragma once
// Fast searches over raw list bytes, for readers that pass over records they know they
// will not need. The scans run with the widest vectors of the level in force
// (platform/VectorLevel.h); results are the same on every level.

#include "platform/ByteKernels.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace bytescan {

constexpr std::size_t npos = std::string_view::npos;

// Position of the first occurrence of the non-empty `text` in `bytes`, npos when none.
// Candidates are found by the text's first and last bytes together, so a common first
// byte (quotes around series titles) costs little.
inline std::size_t FindText(std::string_view bytes, std::string_view text)
{
    const std::size_t n = text.size();
    if (n == 0 || n > bytes.size())
        return npos;
    if (n == 1) {
        const void* at = std::memchr(bytes.data(), text[0], bytes.size());
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - bytes.data()) : npos;
    }
    return platform::KernelsInForce().findText(bytes.data(), bytes.size(), text.data(), n);
}

// Position of the first line start in `bytes` (behind a line feed, or at 0 when
// `atLineStart`) whose first byte is a line feed, a carriage return or a NUL; npos when
// none. A line start at the end of `bytes` is not judged.
inline std::size_t FindEmptyishLineStart(std::string_view bytes, bool atLineStart)
{
    if (bytes.empty())
        return npos;
    if (atLineStart && (bytes[0] == '\n' || bytes[0] == '\r' || bytes[0] == '\0'))
        return 0;
    return platform::KernelsInForce().findEmptyishLineStart(bytes.data(), bytes.size());
}

// Position of the first line start in `bytes` (at 0, which must be one, or behind a line
// feed) whose first byte could open a name sorting at or after a name opening with the
// ASCII-folded byte `bound` (see platform::ByteKernels); npos when none.
inline std::size_t FindNameAtOrAbove(std::string_view bytes, unsigned char bound)
{
    return platform::KernelsInForce().findNameAtOrAbove(bytes.data(), bytes.size(), bound);
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

// The first of FindDashesLineStart(bytes, atLineStart) and FindText(bytes, text) for a
// `text` without line feeds, in one pass over the bytes; npos when neither is there.
// *cr tells whether the bytes before it (all of them with npos) may hold a CR: false only
// when they hold none.
inline std::size_t FindTextOrDashesLineStart(std::string_view bytes, std::string_view text, bool atLineStart, bool* cr)
{
    *cr = true;
    if (atLineStart && bytes.substr(0, 3) == "---") {
        *cr = false;
        return 0;
    }
    if (text.size() < 2) {
        const std::size_t dashes = FindDashesLineStart(bytes, false);
        const std::size_t hit = FindText(bytes.substr(0, dashes), text);
        return hit < dashes ? hit : dashes;
    }
    bool isDashes = false;
    const std::size_t at = platform::KernelsInForce().findEitherText(bytes.data(), bytes.size(), text.data(),
                                                                    text.size(), "\n---", 4, &isDashes, cr);
    // Behind the line feed that opens the line of dashes; that byte is no CR.
    return at != npos && isDashes ? at + 1 : at;
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
