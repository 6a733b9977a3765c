#include "engine/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace quor {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999999999999996, 2}, {2.5000000000000004, 3}, {-7.2, -7}, {419.99999999999994, 420},
        {1e12, std::numeric_limits<std::int32_t>::max()},
        {-1e12, std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<double>::infinity(), std::numeric_limits<std::int32_t>::max()},
        {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(round_to_int(c.value), c.expected) << c.value;
}

TEST(Rounding, IgnoresTheFloatingPointRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double rounded = round_half_even(2.5);
    std::fesetround(saved);
    EXPECT_EQ(rounded, 2.0);
}

}  // namespace
}  // namespace quor
