#include "ListCrc.h"

#include <new>

std::unique_ptr<std::uint32_t[]> makeCrcTable()
{
    std::unique_ptr<std::uint32_t[]> table(new (std::nothrow) std::uint32_t[256]);
    if (!table)
        return nullptr;
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t word = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            word = (word & 0x80000000u) ? (word << 1) ^ 0x04C11DB7u : word << 1;
        table[i] = word;
    }
    return table;
}

void crcAddLine(const std::uint32_t* table, const char* line, std::uint32_t& crc)
{
    for (const char* p = line; *p; ++p)
        crc = crcAddByte(table, crc, static_cast<unsigned char>(*p));
    crc = crcAddByte(table, crc, '\n');
}

std::uint32_t crcAddBytes(const std::uint32_t* table, std::uint32_t crc, const unsigned char* p, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        crc = crcAddByte(table, crc, p[i]);
    return crc;
}
