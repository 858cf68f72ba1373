#include "ui/placement.h"

#include <gtest/gtest.h>

namespace {

struct CenteringCase {
    const char* what;
    RECT reference;
    RECT area;
    SIZE size;
    POINT origin;
};

const CenteringCase kCenteringCases[] = {
    {"centered on the reference", {0, 0, 1280, 770}, {0, 0, 1280, 770}, {200, 100}, {540, 335}},
    {"division truncates", {0, 0, 101, 51}, {-1000, -1000, 1000, 1000}, {11, 5}, {50 - 5, 25 - 2}},
    // Towards zero, not downwards.
    {"division truncates left of and above the origin", {-101, -51, 0, 0}, {-1000, -1000, 1000, 1000}, {0, 0},
     {-50, -25}},
    {"a taskbar on the left", {60, 0, 1280, 800}, {60, 0, 1280, 800}, {200, 100}, {570, 350}},
    {"a taskbar at the top", {0, 30, 1280, 800}, {0, 30, 1280, 800}, {200, 100}, {540, 365}},
    {"a monitor left of the main one", {-1920, -200, 0, 880}, {-1920, -200, 0, 880}, {300, 201},
     {-960 - 150, 340 - 100}},
    {"an owner near the left top edge keeps the window inside", {0, 0, 100, 60}, {60, 30, 1280, 800}, {400, 300},
     {60, 30}},
    {"an owner near the right bottom edge keeps the window inside", {1100, 700, 1280, 800}, {0, 0, 1220, 770},
     {400, 300}, {1220 - 400, 770 - 300}},
    {"a window larger than the work area starts at its left top", {0, 30, 800, 600}, {0, 30, 800, 600},
     {1000, 700}, {0, 30}},
};

TEST(CenteredOriginTest, CentersOnTheReferenceWithinTheWorkArea)
{
    for (const CenteringCase& c : kCenteringCases) {
        SCOPED_TRACE(c.what);
        const POINT origin = ui::CenteredOrigin(c.reference, c.area, c.size);
        EXPECT_EQ(c.origin.x, origin.x);
        EXPECT_EQ(c.origin.y, origin.y);
    }
}

}  // namespace
