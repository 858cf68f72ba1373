// The test thread's message pump that the window tests wait with.
#include "support/message_pump.h"

#include "support/app_message_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MessagePumpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window_.Handle(), nullptr); }

    // A WM_QUIT that a test left queued is not for the next test's loop.
    void TearDown() override
    {
        MSG quit{};
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    test_support::AppMessageWindow window_;
};

TEST_F(MessagePumpTest, PumpUntilDispatchesUntilTheConditionHolds)
{
    window_.Post(WM_APP + 1);
    EXPECT_TRUE(test_support::PumpUntil([&] { return !window_.Dispatched().empty(); }, 5000));
    EXPECT_EQ(window_.Dispatched(), std::vector<UINT>{WM_APP + 1});
}

TEST_F(MessagePumpTest, PumpUntilGivesUpAfterTheTimeout)
{
    EXPECT_FALSE(test_support::PumpUntil([] { return false; }, 30));
}

TEST_F(MessagePumpTest, MessageTheFilterTakesIsNotDispatched)
{
    window_.Post(WM_APP + 1);
    window_.Post(WM_APP + 2);
    std::vector<UINT> offered;
    test_support::PumpPendingMessages([&](MSG& message) {
        offered.push_back(message.message);
        return message.message == WM_APP + 1;
    });
    EXPECT_EQ(offered, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
    EXPECT_EQ(window_.Dispatched(), std::vector<UINT>{WM_APP + 2});
}

TEST_F(MessagePumpTest, QuitLeftToThePumpEndsTheWaitAndStaysQueued)
{
    ::PostQuitMessage(7);
    EXPECT_FALSE(test_support::PumpUntil([] { return false; }, 5000));
    MSG quit{};
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(MessagePumpTest, QuitTheFilterTakesDoesNotEndTheWait)
{
    int quitCode = 0;
    ::PostQuitMessage(9);
    window_.Post(WM_APP + 3);
    EXPECT_TRUE(test_support::PumpUntil([&] { return quitCode == 9 && !window_.Dispatched().empty(); }, 5000,
                                        [&](MSG& message) {
                                            if (message.message != WM_QUIT) {
                                                return false;
                                            }
                                            quitCode = static_cast<int>(message.wParam);
                                            return true;
                                        }));
}

}  // namespace

