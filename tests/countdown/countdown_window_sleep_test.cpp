// The real countdown window with a clock of the test's and the machine's
// sleep and wake-up notices sent to it: it keeps the machine awake while it
// counts, and a deadline that passed in sleep gives the user 15 seconds.
#include "countdown/countdown_window.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/language_file.h"
#include "support/power_recorder.h"

namespace {

using test_support::RecordedExecutionStates;
using test_support::RecordedSystemCalls;

DWORD g_nowMs = 0;
DWORD WINAPI TestClock()
{
    return g_nowMs;
}

constexpr EXECUTION_STATE kHeld = ES_CONTINUOUS | ES_SYSTEM_REQUIRED;
constexpr EXECUTION_STATE kCleared = ES_CONTINUOUS;

class CountdownWindowSleepTest : public ::testing::Test {
protected:
    CountdownWindow& Start(int delaySeconds)
    {
        g_nowMs = 100000;
        run_.action = ShutdownAction::Standby;
        run_.delaySeconds = delaySeconds;
        window_.emplace(run_, test_support::RecordingPowerPlatform());
        window_->UseClock(TestClock);
        EXPECT_TRUE(window_->Create());
        return *window_;
    }

    void TearDown() override { window_.reset(); }

    void Send(UINT message, WPARAM wParam) { ::SendMessageA(window_->Handle(), message, wParam, 0); }
    void Suspend() { Send(WM_POWERBROADCAST, PBT_APMSUSPEND); }
    void Resume(WPARAM event = PBT_APMRESUMEAUTOMATIC) { Send(WM_POWERBROADCAST, event); }
    void ExpiryTimer() { Send(WM_TIMER, CountdownWindow::TIMER_EXPIRE); }
    void DisplayTick() { Send(WM_TIMER, CountdownWindow::TIMER_DISPLAY); }
    // The clock moves on by `ms`, then the expiry timer arrives.
    void ExpiryTimerAfter(DWORD ms)
    {
        g_nowMs += ms;
        ExpiryTimer();
    }

    // Nothing carried out yet; the expiry timer `ms` later carries it out.
    void ExpectTheActionOnlyAfter(DWORD ms)
    {
        EXPECT_TRUE(RecordedSystemCalls().empty());
        ExpiryTimerAfter(ms);
        EXPECT_EQ(RecordedSystemCalls().size(), 1u);
    }

    // The machine sleeps for `ms` (the clock moves on while it does).
    void SleepFor(DWORD ms)
    {
        Suspend();
        g_nowMs += ms;
    }

    // After a sleep past the deadline: nothing carried out yet, and the
    // window coming in with fifteen seconds left.
    void ExpectFifteenSecondsOfGrace()
    {
        EXPECT_TRUE(RecordedSystemCalls().empty()) << "acted the moment the machine woke";
        EXPECT_EQ(Shown(), "stand by in 0:00:15");
        EXPECT_TRUE(IsComingIn());
    }

    bool IsComingIn() const
    {
        return window_->SlideState() == SlideAnimation::State::SlidingIn || ::IsWindowVisible(window_->Handle());
    }
    std::string Shown() const { return window_->InfoLabel().Text(); }

    test_support::ScopedLanguageFile language_{"_Standby=stand by\r\n"
                                               "_InformationFormate=%s in %d:%02d:%02d\r\n"};
    RunParameters run_;
    std::optional<CountdownWindow> window_;
};

TEST_F(CountdownWindowSleepTest, HoldsTheMachineAwakeWhileCountingAndLetsItGoWhenCancelled)
{
    CountdownWindow& window = Start(60);
    EXPECT_EQ(RecordedExecutionStates(), std::vector<EXECUTION_STATE>{kHeld});

    window.EndRun(kExitCancelled);
    EXPECT_EQ(RecordedExecutionStates(), (std::vector<EXECUTION_STATE>{kHeld, kCleared}));
}

TEST_F(CountdownWindowSleepTest, LetsTheMachineGoBeforeTheActionOnce)
{
    Start(60);
    ExpiryTimerAfter(60000);
    EXPECT_EQ(RecordedSystemCalls(), std::vector<std::string>{"SetSystemPowerState(1, 1)"});
    EXPECT_EQ(RecordedExecutionStates(), (std::vector<EXECUTION_STATE>{kHeld, kCleared}));
}

TEST_F(CountdownWindowSleepTest, ExpiryTimerBeforeTheDeadlineDoesNothing)
{
    Start(60);
    ExpiryTimerAfter(59999);
    EXPECT_TRUE(RecordedSystemCalls().empty());
    EXPECT_TRUE(::IsWindow(window_->Handle()));
}

TEST_F(CountdownWindowSleepTest, DeadlinePassedInSleepResumeNoticeFirstGoesOnWithFifteenSecondsShown)
{
    Start(60);
    SleepFor(3600000);
    Resume(PBT_APMRESUMEAUTOMATIC);
    ExpectFifteenSecondsOfGrace();

    // The overdue timer arriving after the notice, and the second notice.
    ExpiryTimer();
    Resume(PBT_APMRESUMESUSPEND);
    ExpectTheActionOnlyAfter(15000);
}

TEST_F(CountdownWindowSleepTest, DeadlinePassedInSleepExpiryTimerFirstGoesOnWithFifteenSecondsShown)
{
    Start(60);
    SleepFor(3600000);
    ExpiryTimer();
    ExpectFifteenSecondsOfGrace();

    Resume(PBT_APMRESUMESUSPEND);
    g_nowMs += 14000;
    DisplayTick();
    EXPECT_EQ(Shown(), "stand by in 0:00:01");
    ExpectTheActionOnlyAfter(1000);
}

TEST_F(CountdownWindowSleepTest, DeadlineStillAheadAfterSleepKeepsItsTimeAndTheWindowAway)
{
    Start(600);
    SleepFor(100000);
    Resume();
    DisplayTick();
    EXPECT_FALSE(IsComingIn());
    window_->SlideIn();
    EXPECT_EQ(Shown(), "stand by in 0:08:20");
    EXPECT_TRUE(RecordedSystemCalls().empty());
}

}  // namespace
