#include "platform/MulDiv.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit)
{
    struct Case {
        int number, numerator, denominator, result;
    };
    const Case cases[] = {
        {8, 1440, 96, 120},
        {-16, 72, 96, -12},
        {-16, 72, 120, -10},
        {16, 72, 120, 10},
        {1, 3, 2, 2},
        {-1, 3, 2, -2},
        {1, -3, 2, -2},
        {1, 3, -2, -2},
        {-1, -3, -2, -2},
        {5, 1, 4, 1},
        {7, 1, 4, 2},
        {0, 5, 7, 0},
        {1, 1, 0, -1},
        {2147483647, 2, 1, -1},
        {-2147483647, 2, 1, -1},
        {2147483647, 2, 2, 2147483647},
        {100000, 100000, 10, 1000000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " " << c.numerator << " " << c.denominator;
}
