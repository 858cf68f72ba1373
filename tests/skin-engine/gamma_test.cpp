#include "gamma.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using skin::ApplyGamma;
using skin::ApplyGammaToChannel;
using skin::NormalizeGamma;

TEST(GammaTest, ZeroLeavesColoursAsTheyAre)
{
    EXPECT_EQ(ApplyGamma(RGB(0x1E, 0x22, 0x28), 0.0f), RGB(0x1E, 0x22, 0x28));
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(ApplyGammaToChannel(static_cast<BYTE>(c), 0.0f), c);
    }
}

TEST(GammaTest, PositiveBrightensNegativeDarkens)
{
    for (int c = 1; c < 250; ++c) {  // near 255 the step rounds away
        EXPECT_GT(ApplyGammaToChannel(static_cast<BYTE>(c), 0.5f), c) << c;
        EXPECT_LT(ApplyGammaToChannel(static_cast<BYTE>(c), -0.5f), c) << c;
    }
}

TEST(GammaTest, StrongerGammaMovesFurther)
{
    EXPECT_GT(ApplyGammaToChannel(100, 1.0f), ApplyGammaToChannel(100, 0.25f));
    EXPECT_LT(ApplyGammaToChannel(100, -1.0f), ApplyGammaToChannel(100, -0.25f));
}

TEST(GammaTest, BlackAndWhiteStay)
{
    for (float gamma : {-1.0f, -0.3f, 0.3f, 1.0f}) {
        EXPECT_EQ(ApplyGamma(RGB(0, 0, 0), gamma), RGB(0, 0, 0));
        EXPECT_EQ(ApplyGamma(RGB(255, 255, 255), gamma), RGB(255, 255, 255));
    }
}

TEST(GammaTest, ValuesOutsideTheRangeAreClamped)
{
    EXPECT_EQ(NormalizeGamma(3.0f), 1.0f);
    EXPECT_EQ(NormalizeGamma(-7.5f), -1.0f);
    EXPECT_EQ(NormalizeGamma(0.25f), 0.25f);
    EXPECT_EQ(ApplyGammaToChannel(100, 40.0f), ApplyGammaToChannel(100, 1.0f));
}

TEST(GammaTest, NonFiniteCountsAsZero)
{
    EXPECT_EQ(NormalizeGamma(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(NormalizeGamma(std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(NormalizeGamma(-std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(ApplyGammaToChannel(100, std::numeric_limits<float>::quiet_NaN()), 100);
}

TEST(GammaTest, TableFollowsTheCurve)
{
    const auto table = skin::GammaTable(-0.4f);
    for (int c = 0; c < 256; c += 17) {
        EXPECT_EQ(table[c], ApplyGammaToChannel(static_cast<BYTE>(c), -0.4f));
    }
}

}  // namespace
