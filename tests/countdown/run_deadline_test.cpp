#include "countdown/run_deadline.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

namespace {

using Decision = RunDeadline::Decision;

// A run of 60 s started at 1000 ms, and the machine gone to sleep.
class SleptRunDeadlineTest : public ::testing::Test {
protected:
    void SetUp() override { deadline.OnSuspend(); }
    RunDeadline deadline{1000, 60};
};

TEST(RunDeadlineTest, RemainingSecondsRoundUpLikeTheDisplayAndStopAtZero)
{
    const RunDeadline deadline(1000, 60);
    EXPECT_EQ(deadline.RemainingSeconds(1000), 60u);
    EXPECT_EQ(deadline.RemainingSeconds(1999), 60u);
    EXPECT_EQ(deadline.RemainingSeconds(2000), 59u);
    EXPECT_EQ(deadline.RemainingSeconds(60999), 1u);
    EXPECT_EQ(deadline.RemainingSeconds(61000), 0u);
    EXPECT_EQ(deadline.RemainingMs(90000), 0u);
}

TEST(RunDeadlineTest, CountsAcrossAWrapOfTheMillisecondCounter)
{
    const RunDeadline deadline(0xFFFFF000u, 10);
    EXPECT_EQ(deadline.RemainingMs(0xFFFFF000u), 10000u);
    EXPECT_EQ(deadline.RemainingMs(0x00000100u), 10000u - 0x1100u);
}

TEST(RunDeadlineTest, DelayOfZeroHasNothingLeftAndExpiresAtOnce)
{
    RunDeadline deadline(1000, 0);
    EXPECT_EQ(deadline.RemainingSeconds(1000), 0u);
    EXPECT_EQ(deadline.OnExpiryTimer(1000), Decision::Expire);
}

TEST(RunDeadlineTest, ExpiryTimerActsAtTheDeadlineAndNeverBefore)
{
    RunDeadline deadline(1000, 60);
    EXPECT_EQ(deadline.OnExpiryTimer(60999), Decision::KeepTime);
    EXPECT_EQ(deadline.OnExpiryTimer(61000), Decision::Expire);
}

TEST_F(SleptRunDeadlineTest, ResumeNoticeFirstAfterADeadlinePassedInSleepGivesFifteenSeconds)
{
    EXPECT_EQ(deadline.OnResume(500000), Decision::Postponed);
    EXPECT_EQ(deadline.RemainingMs(500000), RunDeadline::kGraceAfterSleepMs);
    // The overdue timer that follows, and the second resume notice, keep it.
    EXPECT_EQ(deadline.OnExpiryTimer(500001), Decision::KeepTime);
    EXPECT_EQ(deadline.OnResume(500002), Decision::KeepTime);
    EXPECT_EQ(deadline.OnExpiryTimer(515000), Decision::Expire);
}

TEST_F(SleptRunDeadlineTest, ExpiryTimerFirstAfterADeadlinePassedInSleepGivesFifteenSeconds)
{
    EXPECT_EQ(deadline.OnExpiryTimer(500000), Decision::Postponed);
    EXPECT_EQ(deadline.RemainingSeconds(500000), 15u);
    EXPECT_EQ(deadline.OnResume(500010), Decision::KeepTime);
    EXPECT_EQ(deadline.OnExpiryTimer(515000), Decision::Expire);
}

TEST_F(SleptRunDeadlineTest, DeadlineStillAheadAfterSleepKeepsItsTime)
{
    EXPECT_EQ(deadline.OnResume(31000), Decision::KeepTime);
    EXPECT_EQ(deadline.RemainingSeconds(31000), 30u);
    EXPECT_EQ(deadline.OnExpiryTimer(61000), Decision::Expire);
}

TEST(RunDeadlineTest, ResumeWithoutASuspendNoticeStillHoldsOffAPassedDeadline)
{
    RunDeadline deadline(1000, 60);
    EXPECT_EQ(deadline.OnResume(200000), Decision::Postponed);
    EXPECT_EQ(deadline.RemainingSeconds(200000), 15u);
}

TEST(RunDeadlineTest, ShortRunWhoseDeadlinePassedInSleepAlsoGetsFifteenSeconds)
{
    RunDeadline deadline(1000, 3);
    deadline.OnSuspend();
    EXPECT_EQ(deadline.OnExpiryTimer(9000), Decision::Postponed);
    EXPECT_EQ(deadline.RemainingSeconds(9000), 15u);
}

// A run started at 1000 ms whose window was ready `readyAfterMs` later: what
// is left of it then.
struct SlowStart {
    std::uint32_t delaySeconds;
    std::uint32_t readyAfterMs;
};

TEST(RunDeadlineTest, WindowReadyLateStillLeavesTheShorterOfTheDelayAndFifteenSeconds)
{
    test_support::ExpectEachCase<SlowStart, std::uint32_t>(
        [](const SlowStart& in) {
            RunDeadline deadline(1000, in.delaySeconds);
            deadline.OnWindowReady(1000 + in.readyAfterMs);
            return deadline.RemainingMs(1000 + in.readyAfterMs);
        },
        {
            {{60, 50}, 59950, "a quick start takes its time out of the delay"},
            {{60, 45000}, 15000, "exactly the last seconds left"},
            {{60, 50000}, 15000, "less left: the last seconds from now"},
            {{60, 600000}, 15000, "the window came long after the deadline"},
            {{10, 50}, 10000, "a short delay: all of it from now"},
            {{10, 30000}, 10000},
            {{0, 5000}, 0, "no delay, no wait"},
        });
}

TEST(RunDeadlineTest, WindowReadyLateNeverExpiresBeforeItsLastSeconds)
{
    RunDeadline deadline(1000, 60);
    deadline.OnWindowReady(120000);
    EXPECT_EQ(deadline.OnExpiryTimer(134999), Decision::KeepTime);
    EXPECT_EQ(deadline.OnExpiryTimer(135000), Decision::Expire);
}

}  // namespace
