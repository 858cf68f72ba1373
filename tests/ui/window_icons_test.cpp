// The program's icon on a window, from the icon resource linked into the tests.
#include "ui/window_icons.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "support/owned_window.h"

namespace {

int IconWidth(HICON icon)
{
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP colour{};
    ::GetObjectA(info.hbmColor, sizeof colour, &colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return colour.bmWidth;
}

class WindowIconsTest : public ::testing::Test {
protected:
    HICON WindowIcon(WPARAM which) const { return reinterpret_cast<HICON>(window_.Send(WM_GETICON, which)); }

    test_support::OwnedWindow owned_{::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                       nullptr, nullptr)};
    ui::Window window_{owned_.Get()};
};

TEST_F(WindowIconsTest, BothSizesGoOnTheWindowAsTheSystemAsksForThem)
{
    ui::WindowIcons icons;
    icons.Set(window_, IDI_APPLICATION_ICON);
    EXPECT_EQ(WindowIcon(ICON_BIG), icons.Big());
    EXPECT_EQ(WindowIcon(ICON_SMALL), icons.Small());
    EXPECT_EQ(IconWidth(icons.Big()), ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(icons.Small()), ::GetSystemMetrics(SM_CXSMICON));
}

TEST_F(WindowIconsTest, MissingResourceLeavesTheWindowWithoutIcons)
{
    ui::WindowIcons icons;
    icons.Set(window_, 9999);
    EXPECT_EQ(icons.Big(), nullptr);
    EXPECT_EQ(icons.Small(), nullptr);
    EXPECT_EQ(WindowIcon(ICON_BIG), nullptr);
}

}  // namespace
