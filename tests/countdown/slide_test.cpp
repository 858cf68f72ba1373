#include "countdown/slide.h"

#include <gtest/gtest.h>

#include <functional>
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

// Every window of kWindows in every work area of kWorkAreas.
void ForEachWindowInEachArea(const std::function<void(const RECT& window, const RECT& area)>& check)
{
    for (const RECT& area : kWorkAreas) {
        for (const RECT& window : kWindows) {
            SCOPED_TRACE(::testing::Message() << "window " << Width(window) << "x" << Height(window) << " in area "
                                              << area.left << "," << area.top << "," << area.right << ","
                                              << area.bottom);
            check(window, area);
        }
    }
}

void ExpectSameSize(const RECT& expected, const RECT& actual)
{
    EXPECT_EQ(Width(expected), Width(actual));
    EXPECT_EQ(Height(expected), Height(actual));
}

// Takes the slide's steps from `start` until it ends, each one `rise` pixels
// up (down when negative) at the same left edge and size; where it ended.
RECT WalkSlide(const RECT& start, const RECT& area, bool (*nextStep)(const RECT&, const RECT&, RECT&), LONG rise)
{
    RECT current = start;
    RECT next{};
    for (int steps = 0; nextStep(current, area, next); ++steps) {
        EXPECT_EQ(current.top - rise, next.top);
        EXPECT_EQ(current.left, next.left);
        ExpectSameSize(current, next);
        current = next;
        if (steps == 10000) {
            ADD_FAILURE() << "the slide does not end";
            break;
        }
    }
    return current;
}

// A slide in starts just below the work area's bottom right corner, a slide
// out in that corner.
TEST(SlideTest, SlidesStartAtTheWorkAreasBottomRightCorner)
{
    ForEachWindowInEachArea([](const RECT& window, const RECT& area) {
        const RECT in = SlideInStart(window, area);
        const RECT out = SlideOutStart(window, area);
        EXPECT_EQ(area.right, in.right);
        EXPECT_EQ(area.bottom, in.top);
        EXPECT_EQ(area.right, out.right);
        EXPECT_EQ(area.bottom, out.bottom);
        ExpectSameSize(window, in);
        ExpectSameSize(window, out);
    });
}

TEST(SlideTest, SlideInEndsWithTheBottomEdgeUpToFourPixelsAboveTheWorkArea)
{
    ForEachWindowInEachArea([](const RECT& window, const RECT& area) {
        const RECT end = WalkSlide(SlideInStart(window, area), area, &NextSlideInStep, kSlideStepPixels);
        EXPECT_LE(end.bottom, area.bottom);
        EXPECT_GE(end.bottom, area.bottom - 4);
        EXPECT_EQ(area.right, end.right);
    });
}

TEST(SlideTest, SlideInOfAWindowAlreadyInViewEndsAtOnce)
{
    const RECT area{0, 0, 1280, 770};
    RECT next{-1, -1, -1, -1};
    EXPECT_FALSE(NextSlideInStep(RECT{1000, 600, 1280, 770}, area, next));
    EXPECT_EQ(-1, next.left);
    EXPECT_TRUE(NextSlideInStep(RECT{1000, 601, 1280, 771}, area, next));
}

TEST(SlideTest, SlideOutEndsWithTheTopEdgeBelowTheWorkArea)
{
    ForEachWindowInEachArea([](const RECT& window, const RECT& area) {
        const RECT end = WalkSlide(SlideOutStart(window, area), area, &NextSlideOutStep, -kSlideStepPixels);
        EXPECT_GT(end.top, area.bottom);
        EXPECT_LE(end.top, area.bottom + kSlideStepPixels);
    });
}

TEST(SlideTest, SlideOutStepAtTheWorkAreasBottomEdgeStillMoves)
{
    const RECT area{0, 0, 1280, 770};
    RECT next{};
    EXPECT_TRUE(NextSlideOutStep(RECT{1000, 770, 1280, 900}, area, next));
    EXPECT_FALSE(NextSlideOutStep(RECT{1000, 771, 1280, 901}, area, next));
}

}  // namespace
