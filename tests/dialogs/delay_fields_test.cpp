#include "dialogs/delay_fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(DelayFromFields, AddsHoursMinutesAndSeconds)
{
    EXPECT_EQ(DelayFromFields("1", "0", "0"), 3600);
    EXPECT_EQ(DelayFromFields("0", "0", "0"), 0);
    EXPECT_EQ(DelayFromFields("23", "59", "59"), 86399);
}

TEST(DelayFromFields, EmptyOrNonNumericFieldCountsAsZero)
{
    EXPECT_EQ(DelayFromFields("", "2", "x"), 120);
}

TEST(DelayFromFields, SumBeyondThe32BitRangeSaturates)
{
    EXPECT_EQ(DelayFromFields("2000000", "0", "0"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(DelayFromFields("-2000000", "0", "0"), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
