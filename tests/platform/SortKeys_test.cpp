#include "platform/SortKeys.h"

#include <gtest/gtest.h>

#include <limits>

using platform::AtofC;
using platform::CompareTextNoCase;

TEST(SortKeys, AtofReadsTheNumberATextBeginsWith)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"9.2", 9.2},      {"  315017", 315017},
        {"\t-4.5x", -4.5}, {"+7", 7},
        {"abc", 0},        {"", 0},
        {".5", 0.5},       {"5.", 5},
        {".", 0},          {"-", 0},
        {"1e3", 1000},     {"2E-1", 0.2},
        {"3e", 3},         {"3e+", 3},
        {"1,5", 1},        {"1950 (note)", 1950},
        {"0x10", 0},       {"1e999", std::numeric_limits<double>::infinity()},
        {"1e-999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AtofC(c.text), c.value) << c.text;
}

TEST(SortKeys, TextComparisonFoldsOnlyAsciiLetters)
{
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"abc", "ABC", 0},  {"_a", "A", -1},      {"10", "100", -1},    {"100", "9", -1},      {"", "a", -1},
        {"Zoe", "adam", 1}, {"\x80", "\x9f", -1}, {"\xc4", "\xe4", -1}, {"a\x9f", "A\x80", 1},
    };
    for (const auto& c : cases) {
        const int result = CompareTextNoCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
        const int reverse = CompareTextNoCase(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " / " << c.a;
    }
}
