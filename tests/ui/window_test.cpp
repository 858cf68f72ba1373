// The non-owning window view over real windows of the test thread.
#include "ui/window.h"

#include <gtest/gtest.h>

#include "support/owned_window.h"
#include "support/message_pump.h"

namespace {

HWND CreatePopup(HWND parent = nullptr, int id = 0)
{
    const DWORD style = parent != nullptr ? WS_CHILD : WS_POPUP;
    return ::CreateWindowExA(0, "STATIC", "", style, 10, 10, 60, 20, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class WindowViewTest : public ::testing::Test {
protected:
    test_support::OwnedWindow owned_{CreatePopup()};
    ui::Window window_{owned_.Get()};
};

TEST_F(WindowViewTest, CopiesViewTheSameWindowAndNeverDestroyIt)
{
    {
        const ui::Window copy = window_;
        EXPECT_EQ(copy.Handle(), owned_.Get());
    }
    EXPECT_TRUE(::IsWindow(owned_.Get())) << "a view going out of scope leaves the window alone";
}

TEST_F(WindowViewTest, ItemIsTheChildWithThatIdOrNone)
{
    const HWND child = CreatePopup(owned_.Get(), 42);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(window_.Item(42).Handle(), child);
    EXPECT_EQ(window_.Item(43).Handle(), nullptr);
}

TEST_F(WindowViewTest, TimerComesToTheWindowWithItsId)
{
    ASSERT_TRUE(window_.SetTimer(7, 10));
    MSG timer{};
    ASSERT_TRUE(test_support::TakeTimerMessage(window_, timer));
    EXPECT_EQ(timer.wParam, 7u);
    EXPECT_TRUE(window_.KillTimer(7));
    EXPECT_FALSE(window_.KillTimer(7)) << "killed already";
}

TEST_F(WindowViewTest, PlaceInZOrderMakesTopmostWithoutActivating)
{
    window_.Show(SW_SHOWNOACTIVATE);
    const HWND active = ::GetActiveWindow();
    EXPECT_TRUE(window_.PlaceInZOrder(HWND_TOPMOST));
    EXPECT_TRUE(::GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetActiveWindow(), active);
}

TEST_F(WindowViewTest, TextOwnerAndStyleAreThoseOfTheWindow)
{
    ASSERT_TRUE(window_.SetText("Choose a run"));
    EXPECT_EQ(window_.Text(), "Choose a run");
    EXPECT_EQ(window_.Style() & WS_POPUP, WS_POPUP);
    EXPECT_FALSE(window_.Owner().HasWindow());

    test_support::OwnedWindow owned(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, window_, nullptr,
                                                      nullptr, nullptr));
    ASSERT_NE(owned.Get(), nullptr);
    EXPECT_EQ(ui::Window(owned.Get()).Owner().Handle(), window_.Handle());
}

TEST(WindowViewNull, HasNoWindowAndNoText)
{
    const ui::Window none;
    EXPECT_FALSE(none.HasWindow());
    EXPECT_EQ(none.Text(), "");
    EXPECT_FALSE(none.Owner().HasWindow());
}

}  // namespace
