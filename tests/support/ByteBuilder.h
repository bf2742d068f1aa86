#pragma once
// Little-endian byte builder for the blocks a test expects an archive to hold.

#include <cstdint>
#include <cstring>
#include <vector>

namespace testsupport {

struct Bytes {
    std::vector<unsigned char> b;
    Bytes& I32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<unsigned char>(u >> (8 * i)));
        return *this;
    }
    Bytes& Raw(const void* p, std::size_t n)
    {
        const auto* c = static_cast<const unsigned char*>(p);
        b.insert(b.end(), c, c + n);
        return *this;
    }
    // Without the terminating NUL.
    Bytes& Text(const char* s) { return Raw(s, std::strlen(s)); }
    // With the terminating NUL.
    Bytes& Str(const char* s) { return Raw(s, std::strlen(s) + 1); }
};

} // namespace testsupport
