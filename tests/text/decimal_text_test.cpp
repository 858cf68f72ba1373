#include "text/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

TEST(ReadDecimal, FollowsAtol)
{
    EXPECT_EQ(ReadDecimal("2"), 2);
    EXPECT_EQ(ReadDecimal(" \t\n+7"), 7);
    EXPECT_EQ(ReadDecimal("-12"), -12);
    EXPECT_EQ(ReadDecimal("3600abc"), 3600);
    EXPECT_EQ(ReadDecimal("1e5"), 1);
    EXPECT_EQ(ReadDecimal("0000000000000000000000123"), 123);
}

TEST(ReadDecimal, NoDigitsGivesZero)
{
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("abc"), 0);
    EXPECT_EQ(ReadDecimal("+"), 0);
    EXPECT_EQ(ReadDecimal("- 5"), 0);
    EXPECT_EQ(ReadDecimal("\"2"), 0);
}

TEST(ReadDecimal, SaturatesBeyondTheSigned32BitRange)
{
    EXPECT_EQ(ReadDecimal("2147483647"), kInt32Max);
    EXPECT_EQ(ReadDecimal("2147483648"), kInt32Max);
    EXPECT_EQ(ReadDecimal("99999999999"), kInt32Max);
    EXPECT_EQ(ReadDecimal(std::string(400, '9')), kInt32Max);
    EXPECT_EQ(ReadDecimal("-2147483648"), kInt32Min);
    EXPECT_EQ(ReadDecimal("-2147483649"), kInt32Min);
    EXPECT_EQ(ReadDecimal("-99999999999999999999"), kInt32Min);
}

}  // namespace
