#include "CrcEngine.h"
#include "ListCrc.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<unsigned char> randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(n);
    for (auto& b : bytes)
        b = static_cast<unsigned char>(random());
    return bytes;
}

class ListCrcTest : public ::testing::Test {
protected:
    std::unique_ptr<std::uint32_t[]> table = makeCrcTable();
};

// Every engine test runs on the portable tables and on the vector path (where the processor
// has none, the second run repeats the first).
class CrcEngineTest : public ListCrcTest, public ::testing::WithParamInterface<bool> {
protected:
    CrcEngine engine{table.get(), GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Paths, CrcEngineTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Vector" : "Tables"; });

TEST_F(ListCrcTest, PortableEngineNeverUsesVectorInstructions)
{
    EXPECT_FALSE(CrcEngine(table.get(), false).usesVector());
}

TEST_F(ListCrcTest, TableHoldsTheMostSignificantBitFirstRemainders)
{
    ASSERT_TRUE(table);
    EXPECT_EQ(table[0], 0u);
    EXPECT_EQ(table[1], 0x04C11DB7u);
    EXPECT_EQ(table[128], 0x690CE0EEu);
    EXPECT_EQ(table[255], 0xB1F740B4u);
    // The table is linear in its index.
    for (int a = 0; a < 256; a += 7)
        for (int b = 0; b < 256; b += 11)
            ASSERT_EQ(table[a ^ b], table[a] ^ table[b]);
}

TEST_F(ListCrcTest, LineIsFollowedByALineFeed)
{
    std::uint32_t crc = kCrcStart;
    crcAddLine(table.get(), "abc", crc);
    EXPECT_EQ(crc, 0xA48B3CD7u);
    const unsigned char bytes[] = {'a', 'b', 'c', '\n'};
    EXPECT_EQ(crcAddBytes(table.get(), kCrcStart, bytes, 4), 0xA48B3CD7u);
}

TEST_P(CrcEngineTest, EngineEqualsTheDefinitionAtEveryLengthAndAlignment)
{
    std::vector<unsigned char> bytes = randomBytes(600, 1);
    for (std::size_t offset = 0; offset < 8; ++offset)
        for (std::size_t n = 0; n + offset <= bytes.size(); ++n) {
            std::uint32_t start = 0x9E3779B9u * static_cast<std::uint32_t>(n + 1);
            ASSERT_EQ(engine.update(start, bytes.data() + offset, n),
                      crcAddBytes(table.get(), start, bytes.data() + offset, n))
                << "offset " << offset << " length " << n;
        }
}

TEST_P(CrcEngineTest, EngineEqualsTheDefinitionAroundItsStretchJoins)
{
    // Lengths around multiples of the many-way block and its stretches, where runs are joined.
    std::vector<unsigned char> bytes = randomBytes(5 * 65536 + 64, 2);
    std::vector<std::size_t> lengths;
    for (std::size_t base : {4096u, 8192u, 16384u, 32768u, 49152u, 65536u, 98304u, 131072u, 196608u, 5u * 65536u})
        for (int delta = -17; delta <= 17; ++delta)
            lengths.push_back(base + delta);
    for (std::size_t n : lengths) {
        if (n > bytes.size())
            continue;
        ASSERT_EQ(engine.update(kCrcStart, bytes.data() + 1, n - 1),
                  crcAddBytes(table.get(), kCrcStart, bytes.data() + 1, n - 1))
            << "length " << n - 1;
    }
}

TEST_P(CrcEngineTest, EngineEqualsTheDefinitionOnHostileBytes)
{
    // All zeros, all ones, line feeds only and a repeating pattern: inputs where a wrong
    // table order or join would cancel out on random data but not here, or the reverse.
    for (unsigned char fill : {0x00, 0xFF, 0x0A, 0x0D, 0x80}) {
        std::vector<unsigned char> bytes(70000, fill);
        for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 16384u, 16385u, 32768u, 32831u, 65536u, 70000u})
            ASSERT_EQ(engine.update(kCrcStart, bytes.data(), n), crcAddBytes(table.get(), kCrcStart, bytes.data(), n))
                << "fill " << int(fill) << " length " << n;
    }
    std::vector<unsigned char> pattern(70000);
    for (std::size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<unsigned char>(i * 131 + (i >> 8));
    EXPECT_EQ(engine.update(0, pattern.data(), pattern.size()),
              crcAddBytes(table.get(), 0, pattern.data(), pattern.size()));
}

TEST_P(CrcEngineTest, FeedingZerosEqualsTheDefinition)
{
    std::vector<unsigned char> zeros(20000, 0);
    for (std::uint64_t n : {0u, 1u, 2u, 3u, 255u, 4096u, 12345u, 20000u})
        EXPECT_EQ(engine.feedZeros(0xDEADBEEFu, n), crcAddBytes(table.get(), 0xDEADBEEFu, zeros.data(), n)) << n;
}

} // namespace
