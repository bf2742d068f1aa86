// Every vector level's byte scans against plain loops, on random bytes rich in the bytes
// the scans look for, at every alignment and every size around the 64-byte blocks. The
// scanned bytes sit in an allocation of their exact size, so a read past them is caught
// by the address sanitizer.

#include "platform/ByteKernels.h"
#include "support/VectorLevels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string_view>

using platform::ByteKernels;
using platform::KernelsFor;

namespace {

constexpr std::size_t npos = ByteKernels::npos;

unsigned char Fold(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

bool LineStart(const char* data, std::size_t p)
{
    return p == 0 || data[p - 1] == '\n';
}

std::size_t PlainEmptyish(const char* data, std::size_t size)
{
    for (std::size_t p = 1; p < size; ++p)
        if (LineStart(data, p) && (data[p] == '\n' || data[p] == '\r' || data[p] == '\0'))
            return p;
    return npos;
}

std::size_t PlainNameAtOrAbove(const char* data, std::size_t size, unsigned char bound)
{
    for (std::size_t p = 0; p < size; ++p) {
        const char c = data[p];
        const bool passes = c == '\t' || c == ' ' || c == '\n' || c == '\0' ||
                            (c != '-' && Fold(static_cast<unsigned char>(c)) < bound);
        if (LineStart(data, p) && !passes)
            return p;
    }
    return npos;
}

} // namespace

TEST(ByteKernels, EveryLevelAgreesWithPlainLoops)
{
    const char alphabet[] = {'\n', '\n', '\r', '\0', '\t', ' ', '-', 'a', 'b', 'A', 'Z', 'z', '@', '[', '`', '\xe9'};
    std::mt19937 rng(17);
    for (platform::VectorLevel level : testsupport::SupportedVectorLevels()) {
        SCOPED_TRACE(platform::VectorLevelName(level));
        const ByteKernels& kernels = KernelsFor(level);
        for (int round = 0; round < 3000; ++round) {
            // Sizes cluster around one and two blocks, where the vector loops hand over to
            // their tails.
            const std::size_t size = round < 200 ? static_cast<std::size_t>(round) : 50 + rng() % 100;
            // Every alignment, and the end of the bytes at the end of the allocation.
            const std::size_t offset = static_cast<std::size_t>(round) % 64;
            auto bytes = std::make_unique<char[]>(offset + size + (offset + size == 0));
            char* const data = bytes.get() + offset;
            // Some rounds are nearly all line feeds: blocks with more than 4 and 8 of them.
            const bool dense = round % 7 == 3;
            for (std::size_t i = 0; i < size; ++i)
                data[i] = dense && rng() % 8 != 0 ? '\n' : alphabet[rng() % sizeof alphabet];
            SCOPED_TRACE(std::string_view(data, size));
            const std::string_view view(data, size);

            std::string text(2 + rng() % 4, 'a');
            for (char& c : text)
                c = alphabet[rng() % sizeof alphabet];
            if (size > 8 && rng() % 2 == 0) // a text that is there
                text = std::string(view.substr(rng() % (size - 6), text.size()));
            EXPECT_EQ(kernels.findText(data, size, text.data(), text.size()), view.find(text)) << text;

            // Against a text that is often there: a line start of dashes, as the walks use it.
            const std::string_view other = round % 3 == 0 ? "\n-" : "\n---";
            const std::size_t textAt = view.find(text);
            const std::size_t otherAt = view.find(other);
            const std::size_t firstAt = std::min(textAt, otherAt);
            bool isOther = false;
            bool cr = false;
            EXPECT_EQ(kernels.findEitherText(data, size, text.data(), text.size(), other.data(), other.size(), &isOther,
                                             &cr),
                      firstAt)
                << text;
            if (firstAt != npos) {
                EXPECT_EQ(isOther, textAt != firstAt);
            }
            EXPECT_EQ(cr, view.substr(0, firstAt).find('\r') != std::string_view::npos);

            EXPECT_EQ(kernels.findEmptyishLineStart(data, size), PlainEmptyish(data, size));

            const unsigned char bound = round % 5 == 0
                                            ? static_cast<unsigned char>(rng())
                                            : Fold(static_cast<unsigned char>(alphabet[rng() % sizeof alphabet]));
            EXPECT_EQ(kernels.findNameAtOrAbove(data, size, bound), PlainNameAtOrAbove(data, size, bound)) << int(bound);

            const std::size_t words = size / 64;
            std::vector<std::uint32_t> expected;
            for (std::size_t i = 0; i < 64 * words; ++i)
                if (data[i] == '\n')
                    expected.push_back(static_cast<std::uint32_t>(1000 + i));
            std::vector<std::uint32_t> positions(64 * words + 8);
            cr = false;
            positions.resize(kernels.newlinePositions(data, words, 1000, positions.data(), &cr));
            EXPECT_EQ(positions, expected);
            EXPECT_EQ(cr, std::string_view(data, 64 * words).find('\r') != std::string_view::npos);
        }
    }
}
