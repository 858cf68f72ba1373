// How the countdown window grows for a longer information text.
#include "countdown/information_fit.h"

#include <gtest/gtest.h>

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(InformationGrowth, TextThatFitsNeedsNoGrowthAndNoneNeverShrinks)
{
    const SIZE none = InformationGrowth({117, 73}, {100, 26}, {177, 125}, {1280, 770});
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
    const SIZE exact = InformationGrowth({117, 73}, {117, 73}, {177, 125}, {1280, 770});
    EXPECT_EQ(exact.cx, 0);
    EXPECT_EQ(exact.cy, 0);
}

TEST(InformationGrowth, GrowsByWhatTheTextLacksInEachDirection)
{
    const SIZE taller = InformationGrowth({117, 73}, {110, 117}, {177, 125}, {1280, 770});
    EXPECT_EQ(taller.cx, 0);
    EXPECT_EQ(taller.cy, 44);
    const SIZE wider = InformationGrowth({117, 73}, {240, 39}, {177, 125}, {1280, 770});
    EXPECT_EQ(wider.cx, 123);
    EXPECT_EQ(wider.cy, 0);
}

TEST(InformationGrowth, NeverGrowsTheWindowBeyondTheWorkArea)
{
    const SIZE capped = InformationGrowth({117, 73}, {5000, 3000}, {177, 125}, {1280, 770});
    EXPECT_EQ(capped.cx, 1280 - 177);
    EXPECT_EQ(capped.cy, 770 - 125);
    // A window already larger than the work area does not grow at all.
    const SIZE none = InformationGrowth({117, 73}, {500, 300}, {1400, 900}, {1280, 770});
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
}

TEST(GrownWindowRect, KeepsTheBottomRightCorner)
{
    EXPECT_TRUE(Same(GrownWindowRect({1103, 645, 1280, 770}, {30, 44}), {1073, 601, 1280, 770}));
    EXPECT_TRUE(Same(GrownWindowRect({10, 20, 30, 40}, {0, 0}), {10, 20, 30, 40}));
}

TEST(MovedControlRect, LabelGrowsButtonsBelowMoveDownAndStayCenteredIconStays)
{
    const RECT label{49, 11, 166, 84};
    const SIZE growth{40, 26};
    EXPECT_TRUE(Same(MovedControlRect(label, label, growth), {49, 11, 206, 110}));
    EXPECT_TRUE(Same(MovedControlRect({10, 91, 85, 114}, label, growth), {30, 117, 105, 140}));
    EXPECT_TRUE(Same(MovedControlRect({91, 91, 166, 114}, label, growth), {111, 117, 186, 140}));
    EXPECT_TRUE(Same(MovedControlRect({10, 11, 42, 43}, label, growth), {10, 11, 42, 43}));
}

}  // namespace
