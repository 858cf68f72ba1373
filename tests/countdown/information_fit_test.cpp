// How the countdown window grows for a longer information text.
#include "countdown/information_fit.h"

#include <gtest/gtest.h>

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct GrowthCase {
    const char* what;
    SIZE text;
    SIZE window;
    SIZE growth;
};

// The information label is 117 x 73 and the room 1280 x 770 in every case.
const GrowthCase kGrowthCases[] = {
    {"a text that fits needs no growth", {100, 26}, {177, 125}, {0, 0}},
    {"a text of exactly the label's size", {117, 73}, {177, 125}, {0, 0}},
    {"a taller text", {110, 117}, {177, 125}, {0, 44}},
    {"a wider text", {240, 39}, {177, 125}, {123, 0}},
    {"never beyond the work area", {5000, 3000}, {177, 125}, {1280 - 177, 770 - 125}},
    {"a window already larger than the work area does not grow at all", {500, 300}, {1400, 900}, {0, 0}},
};

TEST(InformationGrowth, GrowsByWhatTheTextLacksInEachDirectionWithinTheWorkArea)
{
    for (const GrowthCase& c : kGrowthCases) {
        SCOPED_TRACE(c.what);
        const SIZE growth = InformationGrowth({117, 73}, c.text, c.window, {1280, 770});
        EXPECT_EQ(growth.cx, c.growth.cx);
        EXPECT_EQ(growth.cy, c.growth.cy);
    }
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
