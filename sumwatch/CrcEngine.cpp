#include "CrcEngine.h"

namespace {

inline std::uint32_t load32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// A linear map of the register given by the images of its 32 unit vectors.
using Matrix = std::array<std::uint32_t, 32>;

std::uint32_t times(const Matrix& m, std::uint32_t v)
{
    std::uint32_t r = 0;
    for (int bit = 0; v; ++bit, v >>= 1)
        if (v & 1)
            r ^= m[bit];
    return r;
}

Matrix square(const Matrix& m)
{
    Matrix r;
    for (int bit = 0; bit < 32; ++bit)
        r[bit] = times(m, m[bit]);
    return r;
}

} // namespace

CrcEngine::CrcEngine(const std::uint32_t* table)
{
    for (int i = 0; i < 256; ++i)
        m_slice[0][i] = table[i];
    for (int k = 1; k < 16; ++k)
        for (int i = 0; i < 256; ++i) {
            std::uint32_t prev = m_slice[k - 1][i];
            m_slice[k][i] = (prev >> 8) ^ table[prev & 0xFF];
        }

    Matrix oneZero;
    for (int bit = 0; bit < 32; ++bit) {
        std::uint32_t v = 1u << bit;
        oneZero[bit] = (v >> 8) ^ table[v & 0xFF];
    }
    m_zeros[0] = oneZero;
    for (int k = 1; k < 64; ++k)
        m_zeros[k] = square(m_zeros[k - 1]);

    for (int byte = 0; byte < 4; ++byte)
        for (std::uint32_t v = 0; v < 256; ++v)
            m_skipStretch[byte][v] = feedZeros(v << (8 * byte), kStretch);
}

std::uint32_t CrcEngine::feedZeros(std::uint32_t crc, std::uint64_t n) const
{
    for (int k = 0; n; ++k, n >>= 1)
        if (n & 1)
            crc = times(m_zeros[k], crc);
    return crc;
}

std::uint32_t CrcEngine::slice16(std::uint32_t crc, const unsigned char* p, std::size_t n) const
{
    const auto& t = m_slice;
    for (; n >= 16; n -= 16, p += 16) {
        std::uint32_t a = crc ^ load32(p);
        std::uint32_t b = load32(p + 4);
        std::uint32_t c = load32(p + 8);
        std::uint32_t d = load32(p + 12);
        crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
              t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
              t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^
              t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
    }
    for (; n; --n, ++p)
        crc = (crc >> 8) ^ t[0][(crc ^ *p) & 0xFF];
    return crc;
}

// blocks runs of kWays * kStretch bytes; each stretch starts from 0 but the first, and is joined
// to the result of the stretches before it.
std::uint32_t CrcEngine::manyWays(std::uint32_t crc, const unsigned char* p, std::size_t blocks) const
{
    const auto& t = m_slice;
    for (; blocks; --blocks, p += kWays * kStretch) {
        std::uint32_t r[kWays] = {crc};
        for (std::size_t off = 0; off < kStretch; off += 16) {
            for (int s = 0; s < kWays; ++s) {
                const unsigned char* q = p + s * kStretch + off;
                std::uint32_t a = r[s] ^ load32(q);
                std::uint32_t b = load32(q + 4);
                std::uint32_t c = load32(q + 8);
                std::uint32_t d = load32(q + 12);
                r[s] = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
                       t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
                       t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^
                       t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
            }
        }
        crc = r[0];
        for (int s = 1; s < kWays; ++s)
            crc = apply(m_skipStretch, crc) ^ r[s];
    }
    return crc;
}

std::uint32_t CrcEngine::update(std::uint32_t crc, const unsigned char* p, std::size_t n) const
{
    std::size_t blocks = n / (kWays * kStretch);
    if (blocks) {
        crc = manyWays(crc, p, blocks);
        p += blocks * kWays * kStretch;
        n -= blocks * kWays * kStretch;
    }
    return slice16(crc, p, n);
}
