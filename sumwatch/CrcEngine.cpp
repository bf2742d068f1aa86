#include "CrcEngine.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define RV_CRC_VECTOR 1
#endif

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

CrcEngine::CrcEngine(const std::uint32_t* table, bool allowVector)
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

    // The byte at position k of a 64-byte step reaches the register through 63 - k further
    // steps: m_slice cannot reach that far, so follow the single-bit images forward.
    for (int k = 0; k < 64; ++k) {
        std::uint32_t images[8];
        for (int bit = 0; bit < 8; ++bit)
            images[bit] = feedZeros(table[1u << bit], static_cast<std::uint64_t>(63 - k));
        for (int m = 0; m < 4; ++m) {
            // Row i of the matrix (output bit i) sits in byte 7 - i and selects the input bits.
            std::uint64_t matrix = 0;
            for (int i = 0; i < 8; ++i) {
                std::uint64_t row = 0;
                for (int bit = 0; bit < 8; ++bit)
                    if ((images[bit] >> (8 * m + i)) & 1)
                        row |= 1u << bit;
                matrix |= row << (8 * (7 - i));
            }
            m_matrices[k / 8][m][k % 8] = matrix;
        }
    }
#ifdef RV_CRC_VECTOR
    __builtin_cpu_init();
    m_vector = allowVector && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("gfni");
#else
    (void)allowVector;
#endif
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
        crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^ t[11][b & 0xFF] ^
              t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^ t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^
              t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^ t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^
              t[0][d >> 24];
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

#ifdef RV_CRC_VECTOR
// GCC 12's AVX-512 headers start results from a self-initialised "undefined" vector.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
// blocks runs of 8 * kStretch bytes. Each 64-byte step loads the next 64 bytes of all eight
// stretches and transposes them so that a qword holds one position of all eight; the
// matrices of that position then turn it into the register bytes of all eight runs at once.
__attribute__((target("avx512f,avx512bw,avx512vbmi,gfni"))) std::uint32_t
CrcEngine::vectorWays(std::uint32_t crc, const unsigned char* p, std::size_t blocks) const
{
    const __m512i even = _mm512_setr_epi64(0, 2, 4, 6, 8, 10, 12, 14);
    const __m512i odd = _mm512_setr_epi64(1, 3, 5, 7, 9, 11, 13, 15);
    const __m512i firstPairs = _mm512_setr_epi64(0, 1, 8, 9, 4, 5, 12, 13);
    const __m512i secondPairs = _mm512_setr_epi64(2, 3, 10, 11, 6, 7, 14, 15);
    const __m512i lowQuads = _mm512_setr_epi64(0, 1, 2, 3, 8, 9, 10, 11);
    const __m512i highQuads = _mm512_setr_epi64(4, 5, 6, 7, 12, 13, 14, 15);
    alignas(64) unsigned char byteTranspose[64];
    for (int j = 0; j < 8; ++j)
        for (int s = 0; s < 8; ++s)
            byteTranspose[8 * j + s] = static_cast<unsigned char>(8 * s + j);
    const __m512i transpose = _mm512_load_si512(byteTranspose);

    __m512i matrices[8][4];
    for (int t = 0; t < 8; ++t)
        for (int m = 0; m < 4; ++m)
            matrices[t][m] = _mm512_load_si512(m_matrices[t][m].data());

    for (; blocks; --blocks, p += kVectorWays * kStretch) {
        // state: qword m holds register byte m of run s in its byte s.
        alignas(64) unsigned char start[64] = {};
        for (int m = 0; m < 4; ++m)
            start[8 * m] = static_cast<unsigned char>(crc >> (8 * m));
        __m512i state = _mm512_load_si512(start);

        for (std::size_t off = 0; off < kStretch; off += 64) {
            __m512i y[8];
            for (int s = 0; s < 8; ++s)
                y[s] = _mm512_loadu_si512(p + s * kStretch + off);
            // qword transpose: z[t] qword s = y[s] qword t.
            __m512i lo[4], hi[4];
            for (int i = 0; i < 4; ++i) {
                lo[i] = _mm512_unpacklo_epi64(y[2 * i], y[2 * i + 1]);
                hi[i] = _mm512_unpackhi_epi64(y[2 * i], y[2 * i + 1]);
            }
            // a0: runs 0-3 at qwords 0 and 4, a2: at 2 and 6, a1: at 1 and 5, a3: at 3 and 7;
            // b the same for runs 4-7.
            __m512i a0 = _mm512_permutex2var_epi64(lo[0], firstPairs, lo[1]);
            __m512i a2 = _mm512_permutex2var_epi64(lo[0], secondPairs, lo[1]);
            __m512i a1 = _mm512_permutex2var_epi64(hi[0], firstPairs, hi[1]);
            __m512i a3 = _mm512_permutex2var_epi64(hi[0], secondPairs, hi[1]);
            __m512i b0 = _mm512_permutex2var_epi64(lo[2], firstPairs, lo[3]);
            __m512i b2 = _mm512_permutex2var_epi64(lo[2], secondPairs, lo[3]);
            __m512i b1 = _mm512_permutex2var_epi64(hi[2], firstPairs, hi[3]);
            __m512i b3 = _mm512_permutex2var_epi64(hi[2], secondPairs, hi[3]);
            __m512i z[8];
            z[0] = _mm512_permutex2var_epi64(a0, lowQuads, b0);
            z[4] = _mm512_permutex2var_epi64(a0, highQuads, b0);
            z[2] = _mm512_permutex2var_epi64(a2, lowQuads, b2);
            z[6] = _mm512_permutex2var_epi64(a2, highQuads, b2);
            z[1] = _mm512_permutex2var_epi64(a1, lowQuads, b1);
            z[5] = _mm512_permutex2var_epi64(a1, highQuads, b1);
            z[3] = _mm512_permutex2var_epi64(a3, lowQuads, b3);
            z[7] = _mm512_permutex2var_epi64(a3, highQuads, b3);
            // Byte transpose inside each: x qword j byte s = position 8t + j of run s.
            __m512i g[4];
            for (int t = 7; t >= 0; --t) {
                __m512i x = _mm512_permutexvar_epi8(transpose, z[t]);
                if (t == 0)
                    x = _mm512_xor_si512(x, state); // the register enters at positions 0-3
                for (int m = 0; m < 4; ++m) {
                    __m512i part = _mm512_gf2p8affine_epi64_epi8(x, matrices[t][m], 0);
                    g[m] = t == 7 ? part : _mm512_xor_si512(g[m], part);
                }
            }
            // Sum the eight qwords of each g[m] into qword m of the new state.
            __m512i w01 = _mm512_xor_si512(_mm512_permutex2var_epi64(g[0], even, g[1]),
                                           _mm512_permutex2var_epi64(g[0], odd, g[1]));
            __m512i w23 = _mm512_xor_si512(_mm512_permutex2var_epi64(g[2], even, g[3]),
                                           _mm512_permutex2var_epi64(g[2], odd, g[3]));
            __m512i v =
                _mm512_xor_si512(_mm512_permutex2var_epi64(w01, even, w23), _mm512_permutex2var_epi64(w01, odd, w23));
            state = _mm512_xor_si512(_mm512_maskz_permutexvar_epi64(0x0F, even, v),
                                     _mm512_maskz_permutexvar_epi64(0x0F, odd, v));
        }

        alignas(64) unsigned char end[64];
        _mm512_store_si512(end, state);
        std::uint32_t runs[8];
        for (int s = 0; s < 8; ++s)
            runs[s] = static_cast<std::uint32_t>(end[s]) | static_cast<std::uint32_t>(end[8 + s]) << 8 |
                      static_cast<std::uint32_t>(end[16 + s]) << 16 | static_cast<std::uint32_t>(end[24 + s]) << 24;
        crc = runs[0];
        for (int s = 1; s < kVectorWays; ++s)
            crc = apply(m_skipStretch, crc) ^ runs[s];
    }
    return crc;
}
#pragma GCC diagnostic pop
#else
std::uint32_t CrcEngine::vectorWays(std::uint32_t crc, const unsigned char*, std::size_t) const
{
    return crc;
}
#endif

std::uint32_t CrcEngine::update(std::uint32_t crc, const unsigned char* p, std::size_t n) const
{
    if (m_vector) {
        std::size_t blocks = n / (kVectorWays * kStretch);
        if (blocks) {
            crc = vectorWays(crc, p, blocks);
            p += blocks * kVectorWays * kStretch;
            n -= blocks * kVectorWays * kStretch;
        }
    }
    std::size_t blocks = n / (kWays * kStretch);
    if (blocks) {
        crc = manyWays(crc, p, blocks);
        p += blocks * kWays * kStretch;
        n -= blocks * kWays * kStretch;
    }
    return slice16(crc, p, n);
}
