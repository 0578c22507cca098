#include "core/SafeMath.h"

#include <gtest/gtest.h>

#include <limits>

using namespace gatevox;

TEST (SafeMath, TruncationSaturatesAndMapsNanToZero)
{
    EXPECT_EQ (truncToInt (3.9f), 3);
    EXPECT_EQ (truncToInt (-3.9), -3);
    EXPECT_EQ (truncToInt (1.0e30f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ (truncToInt (-1.0e30), std::numeric_limits<std::int32_t>::lowest());
    EXPECT_EQ (truncToInt (std::numeric_limits<float>::infinity()), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ (truncToInt (std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ (truncTo<std::int64_t> (1.0e30f), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ (truncTo<std::int64_t> (4.0e9f), 4000000000LL);
}
