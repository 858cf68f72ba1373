#include "ui/placement.h"

#include <gtest/gtest.h>

namespace {

TEST(CenteredOriginTest, CentersOnTheReference)
{
    const RECT area{0, 0, 1280, 770};
    const POINT origin = ui::CenteredOrigin(area, area, SIZE{200, 100});
    EXPECT_EQ(540, origin.x);
    EXPECT_EQ(335, origin.y);
}

TEST(CenteredOriginTest, DivisionTruncates)
{
    const RECT reference{0, 0, 101, 51};
    const RECT area{-1000, -1000, 1000, 1000};
    const POINT origin = ui::CenteredOrigin(reference, area, SIZE{11, 5});
    EXPECT_EQ(50 - 5, origin.x);
    EXPECT_EQ(25 - 2, origin.y);

    // Towards zero, not downwards, left of and above the origin.
    const POINT negative = ui::CenteredOrigin(RECT{-101, -51, 0, 0}, area, SIZE{0, 0});
    EXPECT_EQ(-50, negative.x);
    EXPECT_EQ(-25, negative.y);
}

TEST(CenteredOriginTest, WorkAreasNotStartingAtTheOrigin)
{
    const RECT taskbarLeft{60, 0, 1280, 800};
    POINT origin = ui::CenteredOrigin(taskbarLeft, taskbarLeft, SIZE{200, 100});
    EXPECT_EQ(570, origin.x);
    EXPECT_EQ(350, origin.y);

    const RECT taskbarTop{0, 30, 1280, 800};
    origin = ui::CenteredOrigin(taskbarTop, taskbarTop, SIZE{200, 100});
    EXPECT_EQ(540, origin.x);
    EXPECT_EQ(365, origin.y);

    const RECT leftMonitor{-1920, -200, 0, 880};
    origin = ui::CenteredOrigin(leftMonitor, leftMonitor, SIZE{300, 201});
    EXPECT_EQ(-960 - 150, origin.x);
    EXPECT_EQ(340 - 100, origin.y);
}

TEST(CenteredOriginTest, OwnerNearTheLeftTopEdgeKeepsTheWindowInside)
{
    const RECT area{60, 30, 1280, 800};
    const RECT owner{0, 0, 100, 60};
    const POINT origin = ui::CenteredOrigin(owner, area, SIZE{400, 300});
    EXPECT_EQ(60, origin.x);
    EXPECT_EQ(30, origin.y);
}

TEST(CenteredOriginTest, OwnerNearTheRightBottomEdgeKeepsTheWindowInside)
{
    const RECT area{0, 0, 1220, 770};
    const RECT owner{1100, 700, 1280, 800};
    const POINT origin = ui::CenteredOrigin(owner, area, SIZE{400, 300});
    EXPECT_EQ(1220 - 400, origin.x);
    EXPECT_EQ(770 - 300, origin.y);
}

TEST(CenteredOriginTest, WindowLargerThanTheWorkAreaStartsAtItsLeftTop)
{
    const RECT area{0, 30, 800, 600};
    const POINT origin = ui::CenteredOrigin(area, area, SIZE{1000, 700});
    EXPECT_EQ(0, origin.x);
    EXPECT_EQ(30, origin.y);
}

}  // namespace
