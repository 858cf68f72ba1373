#include "countdown/slide.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

LONG Width(const RECT& r)
{
    return r.right - r.left;
}

LONG Height(const RECT& r)
{
    return r.bottom - r.top;
}

// Work areas with the taskbar at the bottom, top, left and right of a
// 1280 x 800 screen, and one on a second monitor left of the first.
const std::vector<RECT> kWorkAreas = {
    {0, 0, 1280, 770}, {0, 30, 1280, 800}, {60, 0, 1280, 800}, {0, 0, 1220, 800}, {-1920, -200, 0, 880},
};

// Windows a few pixels apart in height, so that every remainder of height / 5
// is covered.
const std::vector<RECT> kWindows = {
    {100, 100, 277, 225}, {0, 0, 180, 126}, {-50, 300, 150, 427},
    {10, 10, 40, 38},     {0, 0, 200, 129}, {500, 500, 501, 501},
};

TEST(SlideTest, SlideInStartsJustBelowTheWorkAreasBottomRightCorner)
{
    for (const RECT& area : kWorkAreas) {
        for (const RECT& window : kWindows) {
            const RECT start = SlideInStart(window, area);
            EXPECT_EQ(area.right, start.right);
            EXPECT_EQ(area.bottom, start.top);
            EXPECT_EQ(Width(window), Width(start));
            EXPECT_EQ(Height(window), Height(start));
        }
    }
}

TEST(SlideTest, SlideInEndsWithTheBottomEdgeUpToFourPixelsAboveTheWorkArea)
{
    for (const RECT& area : kWorkAreas) {
        for (const RECT& window : kWindows) {
            RECT current = SlideInStart(window, area);
            RECT next{};
            int steps = 0;
            while (NextSlideInStep(current, area, next)) {
                EXPECT_EQ(current.top - kSlideStepPixels, next.top);
                EXPECT_EQ(current.left, next.left);
                EXPECT_EQ(Height(current), Height(next));
                EXPECT_EQ(Width(current), Width(next));
                current = next;
                ASSERT_LT(++steps, 10000);
            }
            EXPECT_LE(current.bottom, area.bottom);
            EXPECT_GE(current.bottom, area.bottom - 4);
            EXPECT_EQ(area.right, current.right);
        }
    }
}

TEST(SlideTest, SlideInOfAWindowAlreadyInViewEndsAtOnce)
{
    const RECT area{0, 0, 1280, 770};
    RECT next{-1, -1, -1, -1};
    EXPECT_FALSE(NextSlideInStep(RECT{1000, 600, 1280, 770}, area, next));
    EXPECT_EQ(-1, next.left);
    EXPECT_TRUE(NextSlideInStep(RECT{1000, 601, 1280, 771}, area, next));
}

TEST(SlideTest, SlideOutStartsInTheWorkAreasBottomRightCorner)
{
    for (const RECT& area : kWorkAreas) {
        for (const RECT& window : kWindows) {
            const RECT start = SlideOutStart(window, area);
            EXPECT_EQ(area.right, start.right);
            EXPECT_EQ(area.bottom, start.bottom);
            EXPECT_EQ(Width(window), Width(start));
            EXPECT_EQ(Height(window), Height(start));
        }
    }
}

TEST(SlideTest, SlideOutEndsWithTheTopEdgeBelowTheWorkArea)
{
    for (const RECT& area : kWorkAreas) {
        for (const RECT& window : kWindows) {
            RECT current = SlideOutStart(window, area);
            RECT next{};
            int steps = 0;
            while (NextSlideOutStep(current, area, next)) {
                EXPECT_EQ(current.top + kSlideStepPixels, next.top);
                EXPECT_EQ(current.left, next.left);
                EXPECT_EQ(Height(current), Height(next));
                current = next;
                ASSERT_LT(++steps, 10000);
            }
            EXPECT_GT(current.top, area.bottom);
            EXPECT_LE(current.top, area.bottom + kSlideStepPixels);
        }
    }
}

TEST(SlideTest, SlideOutStepAtTheWorkAreasBottomEdgeStillMoves)
{
    const RECT area{0, 0, 1280, 770};
    RECT next{};
    EXPECT_TRUE(NextSlideOutStep(RECT{1000, 770, 1280, 900}, area, next));
    EXPECT_FALSE(NextSlideOutStep(RECT{1000, 771, 1280, 901}, area, next));
}

}  // namespace
