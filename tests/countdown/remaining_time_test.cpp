#include "countdown/remaining_time.h"

#include <gtest/gtest.h>

namespace {

TEST(RemainingSecondsTest, ShowsTheFullDelayDuringTheFirstSecond)
{
    EXPECT_EQ(60u, RemainingSeconds(60, 5000, 5000));
    EXPECT_EQ(60u, RemainingSeconds(60, 5000, 5999));
    EXPECT_EQ(59u, RemainingSeconds(60, 5000, 6000));
}

TEST(RemainingSecondsTest, RoundsElapsedSecondsDown)
{
    EXPECT_EQ(1u, RemainingSeconds(10, 0, 9999));
    EXPECT_EQ(0u, RemainingSeconds(10, 0, 10000));
}

TEST(RemainingSecondsTest, WrapOfTheTickCounterDoesNoHarm)
{
    const std::uint32_t start = 0xFFFFFC18u;  // 1,000 ms before the wrap
    EXPECT_EQ(30u, RemainingSeconds(30, start, start + 999u));
    EXPECT_EQ(28u, RemainingSeconds(30, start, 1000u));  // 2,000 ms later, across 2^32
}

TEST(RemainingSecondsTest, IsZeroOnceTheDelayHasPassed)
{
    EXPECT_EQ(0u, RemainingSeconds(5, 0, 5000));
    EXPECT_EQ(0u, RemainingSeconds(5, 0, 6500));
    EXPECT_EQ(0u, RemainingSeconds(5, 0, 4000000000u));
}

TEST(RemainingSecondsTest, ZeroOrNegativeDelayIsZero)
{
    EXPECT_EQ(0u, RemainingSeconds(0, 100, 100));
    EXPECT_EQ(0u, RemainingSeconds(-1, 100, 100));
    EXPECT_EQ(0u, RemainingSeconds(INT32_MIN, 0, 0));
}

TEST(SplitRemainingTest, SplitsIntoHoursMinutesSeconds)
{
    const RemainingTime time = SplitRemaining(3 * 3600 + 25 * 60 + 9);
    EXPECT_EQ(3u, time.hours);
    EXPECT_EQ(25u, time.minutes);
    EXPECT_EQ(9u, time.seconds);
}

TEST(SplitRemainingTest, HoursAreNotLimitedToADay)
{
    const RemainingTime time = SplitRemaining(25 * 3600);
    EXPECT_EQ(25u, time.hours);
    EXPECT_EQ(0u, time.minutes);
    EXPECT_EQ(0u, time.seconds);
    EXPECT_EQ(596523u, SplitRemaining(INT32_MAX).hours);
}

TEST(IsInLastSecondsTest, FifteenSecondsOrLess)
{
    EXPECT_TRUE(IsInLastSeconds(0));
    EXPECT_TRUE(IsInLastSeconds(15));
    EXPECT_FALSE(IsInLastSeconds(16));
}

}  // namespace
