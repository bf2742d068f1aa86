#pragma once
// Many-bytes-at-a-time form of the list checksum (ListCrc.h), equal to the byte-at-a-time
// definition for every input. The checksum is linear over GF(2) in its register and its
// input, which allows three things: a table per position of a 16-byte slice (the effect of
// a byte followed by k zero bytes); independent runs over stretches of a block that are
// joined by applying "feed n zero bytes" to the earlier result; and, where the processor has
// Galois-field affine instructions, each byte's effect as an 8x8 bit matrix product applied
// to eight stretches at once. The table form is the portable fallback; the choice is made at
// run time.

#include <array>
#include <cstddef>
#include <cstdint>

class CrcEngine {
public:
    // table: the 256 words of makeCrcTable. allowVector false keeps to the portable tables.
    explicit CrcEngine(const std::uint32_t* table, bool allowVector = true);

    // The checksum register after feeding n bytes at p to crc.
    std::uint32_t update(std::uint32_t crc, const unsigned char* p, std::size_t n) const;

    // The register after feeding n zero bytes (for joining runs of any length).
    std::uint32_t feedZeros(std::uint32_t crc, std::uint64_t n) const;

    // True when update uses the vector instructions on this processor.
    bool usesVector() const { return m_vector; }

private:
    static constexpr std::size_t kStretch = 4096; // bytes per run of the many-way loops
    static constexpr int kWays = 4;               // runs of the table loop
    static constexpr int kVectorWays = 8;         // runs of the vector loop

    using ByteOperator = std::array<std::array<std::uint32_t, 256>, 4>;

    std::uint32_t slice16(std::uint32_t crc, const unsigned char* p, std::size_t n) const;
    std::uint32_t manyWays(std::uint32_t crc, const unsigned char* p, std::size_t blocks) const;
    std::uint32_t vectorWays(std::uint32_t crc, const unsigned char* p, std::size_t blocks) const;
    std::uint32_t apply(const ByteOperator& op, std::uint32_t crc) const
    {
        return op[0][crc & 0xFF] ^ op[1][(crc >> 8) & 0xFF] ^ op[2][(crc >> 16) & 0xFF] ^ op[3][crc >> 24];
    }

    bool m_vector = false;
    std::array<std::array<std::uint32_t, 256>, 16> m_slice{};
    // "Feed kStretch zero bytes", as a table per register byte.
    ByteOperator m_skipStretch{};
    // "Feed 2^k zero bytes" for k = 0..63.
    std::array<std::array<std::uint32_t, 32>, 64> m_zeros{};
    // For the vector loop: [t][m] holds, in its qword j, the bit matrix that gives register
    // byte m from the byte at position 8t + j of a 64-byte step.
    alignas(64) std::array<std::array<std::array<std::uint64_t, 8>, 4>, 8> m_matrices{};
};
