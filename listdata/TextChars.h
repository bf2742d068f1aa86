#pragma once
// Character classes of list text. Windows-1252 bytes 128-255 are letters: they are never
// white space and their case is never folded, so every test takes the byte unsigned.

#include <cstddef>
#include <cstring>

namespace textchars {

// The characters 1 to 32.
inline bool IsWhite(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

// What the setters cut from a line's end: newline, tab and blank.
inline bool IsTrailingWhite(char c)
{
    return c == '\n' || c == '\t' || c == ' ';
}

inline unsigned char FoldAscii(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

// The `length` bytes at a and b are equal, ASCII case ignored.
inline bool EqualNoCase(const char* a, const char* b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// NUL-terminated comparison, ASCII case ignored: negative, 0 or positive.
inline int CompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const unsigned char x = FoldAscii(*a);
        const unsigned char y = FoldAscii(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

// Length of `s`, reading no more than `limit` bytes and none past its NUL.
inline std::size_t BoundedLength(const char* s, std::size_t limit)
{
    const void* nul = std::memchr(s, '\0', limit);
    return nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - s) : limit;
}

} // namespace textchars
