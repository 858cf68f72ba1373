// The slide animation's one state on a plain popup window: one slide at a
// time, and each slide ends by itself on its timer.
#include "countdown/slide_animation.h"

#include <gtest/gtest.h>

#include "support/owned_window.h"
#include "support/window_finder.h"

namespace {

using State = SlideAnimation::State;

class SlideAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { slide_.Attach(window_.Get()); }
    void TearDown() override { slide_.Stop(); }

    // Dispatches the slide's timer messages until it has ended.
    bool RunToTheEnd()
    {
        return test_support::WaitUntil([&] {
            MSG message;
            while (::PeekMessageA(&message, window_.Get(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
                slide_.OnTimer(message.wParam);
            }
            return slide_.Current() == State::Idle;
        });
    }

    test_support::OwnedWindow window_{::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 120, 80,
                                                        nullptr, nullptr, nullptr, nullptr)};
    SlideAnimation slide_;
};

TEST_F(SlideAnimationTest, OneSlideAtATimeEachEndingOnItsTimer)
{
    ASSERT_NE(window_.Get(), nullptr);
    EXPECT_FALSE(slide_.StartOut()) << "a hidden window cannot slide out";
    ASSERT_TRUE(slide_.StartIn());
    EXPECT_EQ(slide_.Current(), State::SlidingIn);
    EXPECT_FALSE(slide_.StartIn());
    EXPECT_FALSE(slide_.StartOut());
    ASSERT_TRUE(RunToTheEnd());
    EXPECT_TRUE(::IsWindowVisible(window_.Get()));

    EXPECT_FALSE(slide_.StartIn()) << "a visible window cannot slide in";
    ASSERT_TRUE(slide_.StartOut());
    EXPECT_EQ(slide_.Current(), State::SlidingOut);
    ASSERT_TRUE(RunToTheEnd());
    EXPECT_FALSE(::IsWindowVisible(window_.Get()));
}

TEST_F(SlideAnimationTest, OtherTimersAreNotItsOwn)
{
    EXPECT_FALSE(slide_.OnTimer(3));
    EXPECT_FALSE(slide_.OnTimer(4));
}

}  // namespace
