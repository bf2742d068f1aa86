#pragma once
// Many-bytes-at-a-time form of the list checksum (ListCrc.h), equal to the byte-at-a-time
// definition for every input. The checksum is linear over GF(2) in its register and its
// input, which allows two things: a table per position of a 16-byte slice (the effect of a
// byte followed by k zero bytes), and independent runs over four stretches of a block that
// are joined by applying "feed n zero bytes" to the earlier result. The four runs keep the
// processor busy while each one waits on its table loads.

#include <array>
#include <cstddef>
#include <cstdint>

class CrcEngine {
public:
    // table: the 256 words of makeCrcTable.
    explicit CrcEngine(const std::uint32_t* table);

    // The checksum register after feeding n bytes at p to crc.
    std::uint32_t update(std::uint32_t crc, const unsigned char* p, std::size_t n) const;

    // The register after feeding n zero bytes (for joining runs of any length).
    std::uint32_t feedZeros(std::uint32_t crc, std::uint64_t n) const;

private:
    static constexpr std::size_t kStretch = 4096; // bytes per run of the many-way loop
    static constexpr int kWays = 4;

    std::uint32_t slice16(std::uint32_t crc, const unsigned char* p, std::size_t n) const;
    std::uint32_t manyWays(std::uint32_t crc, const unsigned char* p, std::size_t blocks) const;
    std::uint32_t apply(const std::array<std::array<std::uint32_t, 256>, 4>& op, std::uint32_t crc) const
    {
        return op[0][crc & 0xFF] ^ op[1][(crc >> 8) & 0xFF] ^ op[2][(crc >> 16) & 0xFF] ^ op[3][crc >> 24];
    }

    std::array<std::array<std::uint32_t, 256>, 16> m_slice{};
    // "Feed kStretch zero bytes", as a table per register byte.
    std::array<std::array<std::uint32_t, 256>, 4> m_skipStretch{};
    // "Feed 2^k zero bytes" for k = 0..63.
    std::array<std::array<std::uint32_t, 32>, 64> m_zeros{};
};
