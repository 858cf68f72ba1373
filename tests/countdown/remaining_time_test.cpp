#include "countdown/remaining_time.h"

#include <gtest/gtest.h>

namespace {

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
