// The icon's first NIM_ADD against a stand-in shell that refuses it at first,
// as a shell that is not ready yet at logon does.
#include "countdown/tray_icon.h"

#include <gtest/gtest.h>

#include "support/message_pump.h"
#include "support/owned_window.h"

namespace {

// Any id the owner gives the icon; not one of the countdown window's.
constexpr UINT_PTR kRetryTimer = 17;

int addCalls = 0;
int refusalsLeft = 0;

BOOL WINAPI SlowShell(DWORD message, PNOTIFYICONDATAA)
{
    if (message != NIM_ADD) {
        return TRUE;
    }
    ++addCalls;
    return refusalsLeft-- > 0 ? FALSE : TRUE;
}

class TrayIconRetryTest : public ::testing::Test {
protected:
    void SetUp() override { addCalls = 0; }
    void TearDown() override { icon_.Remove(); }

    test_support::OwnedWindow owner_{
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)};
    TrayIcon icon_{kRetryTimer, &SlowShell};
};

TEST_F(TrayIconRetryTest, RefusedAddIsRetriedOnTheOwnersTimerUntilTheShellTakesIt)
{
    refusalsLeft = 2;
    EXPECT_FALSE(icon_.Add(owner_.Get(), nullptr, "tip"));
    // The first retry comes on a real timer, not at once.
    MSG timer{};
    ASSERT_TRUE(test_support::TakeTimerMessage(owner_.Get(), timer));
    EXPECT_EQ(timer.wParam, kRetryTimer);
    EXPECT_TRUE(icon_.OnTimer(timer.wParam));
    EXPECT_FALSE(icon_.IsShown());
    EXPECT_TRUE(icon_.OnTimer(kRetryTimer));
    EXPECT_TRUE(icon_.IsShown());
    EXPECT_TRUE(icon_.OnTimer(kRetryTimer));
    EXPECT_EQ(addCalls, 3) << "no retry after the shell took the icon";
}

TEST_F(TrayIconRetryTest, GivesUpAfterTenRetries)
{
    refusalsLeft = 1000;
    EXPECT_FALSE(icon_.Add(owner_.Get(), nullptr, "tip"));
    for (int i = 0; i < 15; ++i) {
        icon_.OnTimer(kRetryTimer);
    }
    EXPECT_EQ(addCalls, 11);
    EXPECT_FALSE(icon_.OnTimer(3)) << "other timers are not the icon's";
}

}  // namespace
