#pragma once
// The list checksum: a 32-bit CRC over every line after a list file's first line, each line
// followed by a line feed, start value 0xFFFFFFFF, no final XOR. It runs its register to the
// right over the table of the polynomial 0x04C11DB7 taken most significant bit first, so it
// is neither of the common CRC-32 variants; the stored values were made this way and the
// definition below is the reference every faster routine must equal.

#include <cstddef>
#include <cstdint>
#include <memory>

constexpr std::uint32_t kCrcStart = 0xFFFFFFFFu;

// The 256 words of the table, or null when memory fails.
std::unique_ptr<std::uint32_t[]> makeCrcTable();

// One step of the definition.
inline std::uint32_t crcAddByte(const std::uint32_t* table, std::uint32_t crc, unsigned char b)
{
    return (crc >> 8) ^ table[(crc ^ b) & 0xFFu];
}

// Folds the NUL-terminated line and then a line feed into crc, a byte at a time.
void crcAddLine(const std::uint32_t* table, const char* line, std::uint32_t& crc);

// The definition over n bytes, a byte at a time.
std::uint32_t crcAddBytes(const std::uint32_t* table, std::uint32_t crc, const unsigned char* p, std::size_t n);
