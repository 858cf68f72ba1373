#include "base/window_dc.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/owned_window.h"
#include "support/resource_counts.h"

namespace {

test_support::OwnedWindow MakeWindow()
{
    return test_support::OwnedWindow(::CreateWindowExA(0, "STATIC", "dc", WS_POPUP | WS_BORDER, 0, 0, 120, 60,
                                                       nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

TEST(WindowDcTest, NullWindowGivesTheScreensDc)
{
    const base::WindowDc screen = base::WindowDc::Client(nullptr);
    ASSERT_TRUE(screen);
    EXPECT_GT(::GetDeviceCaps(screen.Get(), LOGPIXELSY), 0);
}

TEST(WindowDcTest, MovingHandsTheDcOverAndLeavesTheSourceEmpty)
{
    const test_support::OwnedWindow window = MakeWindow();
    ASSERT_TRUE(window);
    base::WindowDc first = base::WindowDc::Whole(window.Get());
    ASSERT_TRUE(first);
    const HDC dc = first.Get();

    const base::WindowDc second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(first.Get(), nullptr);
    EXPECT_EQ(second.Get(), dc);
}

void TakeDcs(HWND window, int times)
{
    for (int i = 0; i < times; ++i) {
        const base::WindowDc whole = base::WindowDc::Whole(window);
        const base::WindowDc client = base::WindowDc::Client(window);
        ASSERT_TRUE(whole);
        ASSERT_TRUE(client);
    }
}

// Each DC goes back to the window: hundreds of them held one after the other
// leave the process's GDI objects where they were. The first few fill the
// system's cache of window DCs, which stays.
TEST(WindowDcTest, ReleasesEveryDcItTook)
{
    const test_support::OwnedWindow window = MakeWindow();
    ASSERT_TRUE(window);
    TakeDcs(window.Get(), 20);
    const DWORD before = test_support::CurrentResourceCounts().gdiObjects;
    TakeDcs(window.Get(), 500);
    EXPECT_LE(test_support::CurrentResourceCounts().gdiObjects, before + 4);
}

}  // namespace
