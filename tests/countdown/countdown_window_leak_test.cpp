// A real countdown window driven through many display ticks and slides, its
// handlers called directly (WM_TIMER sent, no waiting on timers): the
// process's GDI objects, USER objects and handles must not grow with them.
#include "countdown/countdown_window.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/language_file.h"
#include "support/power_recorder.h"
#include "support/resource_counts.h"

namespace {

using test_support::CurrentResourceCounts;
using test_support::ResourceCounts;

// Caches filled on first use (fonts, stock objects, the display's DCs) may
// add a few objects once; a leak adds one or more per cycle.
constexpr DWORD kTolerance = 8;
constexpr int kTicks = 10000;
// Each cycle is some fifty window moves, a few milliseconds each under Wine:
// a hundred cycles show any leak of one object per cycle twelvefold over the
// tolerance without taking minutes.
constexpr int kSlideCycles = 100;

class CountdownWindowLeakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run_.action = ShutdownAction::Standby;
        // Far from the last seconds: no slide-in of its own, no expiry.
        run_.delaySeconds = 3600;
        window_.emplace(run_, test_support::RecordingPowerPlatform());
        ASSERT_TRUE(window_->Create());
    }

    void TearDown() override { window_.reset(); }

    void Tick(int number)
    {
        ::SendMessageA(window_->Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
        // Paint now and then, so that the label's drawing is part of the run
        // (every tick would take minutes under Wine).
        if (number % 100 == 0) {
            ::UpdateWindow(window_->Handle());
        }
    }

    void SlideInAndOut()
    {
        window_->SlideIn();
        while (window_->SlideState() == SlideAnimation::State::SlidingIn) {
            ::SendMessageA(window_->Handle(), WM_TIMER, CountdownWindow::TIMER_SLIDE_IN, 0);
        }
        ::UpdateWindow(window_->Handle());
        window_->SlideOut();
        while (window_->SlideState() == SlideAnimation::State::SlidingOut) {
            ::SendMessageA(window_->Handle(), WM_TIMER, CountdownWindow::TIMER_SLIDE_OUT, 0);
        }
    }

    static void ExpectNoGrowth(const ResourceCounts& before, const ResourceCounts& after)
    {
        EXPECT_LE(after.gdiObjects, before.gdiObjects + kTolerance) << "GDI objects " << before.gdiObjects;
        EXPECT_LE(after.userObjects, before.userObjects + kTolerance) << "USER objects " << before.userObjects;
        EXPECT_LE(after.handles, before.handles + kTolerance) << "handles " << before.handles;
    }

    test_support::ScopedLanguageFile language_{"_Standby=stand by\r\n"
                                               "_InformationFormate=Going to %s in\\n%d:%02d:%02d\r\n"};
    RunParameters run_;
    std::optional<CountdownWindow> window_;
};

TEST_F(CountdownWindowLeakTest, TenThousandDisplayTicksOnAShownWindowKeepTheCounts)
{
    SlideInAndOut();
    window_->SlideIn();
    while (window_->SlideState() == SlideAnimation::State::SlidingIn) {
        ::SendMessageA(window_->Handle(), WM_TIMER, CountdownWindow::TIMER_SLIDE_IN, 0);
    }
    for (int i = 0; i < 100; ++i) {
        Tick(i);
    }
    const ResourceCounts before = CurrentResourceCounts();
    ASSERT_GT(before.gdiObjects, 0u) << "no way to count GDI objects here";
    ASSERT_GT(before.handles, 0u) << "no way to count handles here";

    for (int i = 0; i < kTicks; ++i) {
        Tick(i);
    }
    ExpectNoGrowth(before, CurrentResourceCounts());
}

TEST_F(CountdownWindowLeakTest, AHundredSlideInSlideOutCyclesKeepTheCounts)
{
    for (int i = 0; i < 5; ++i) {
        SlideInAndOut();
    }
    const ResourceCounts before = CurrentResourceCounts();
    ASSERT_GT(before.userObjects, 0u) << "no way to count USER objects here";

    for (int i = 0; i < kSlideCycles; ++i) {
        SlideInAndOut();
    }
    ExpectNoGrowth(before, CurrentResourceCounts());
    EXPECT_FALSE(::IsWindowVisible(window_->Handle())) << "each cycle ends hidden";
}

}  // namespace
