// The test thread's message pump that the window tests wait with.
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A message-only window that notes the WM_APP messages dispatched to it.
class MessagePumpTest : public ::testing::Test {
protected:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message >= WM_APP && dispatched_ != nullptr) {
            dispatched_->push_back(message);
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    void SetUp() override
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TolvrinMessagePumpTestWindow";
        ::RegisterClassA(&windowClass);  // fails harmlessly when already registered
        window_ = ::CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        dispatched_ = &dispatched;
    }

    void TearDown() override
    {
        ::DestroyWindow(window_);
        dispatched_ = nullptr;
        MSG quit{};
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    static std::vector<UINT>* dispatched_;
    std::vector<UINT> dispatched;
    HWND window_ = nullptr;
};

std::vector<UINT>* MessagePumpTest::dispatched_ = nullptr;

TEST_F(MessagePumpTest, PumpUntilDispatchesUntilTheConditionHolds)
{
    ::PostMessageA(window_, WM_APP + 1, 0, 0);
    EXPECT_TRUE(test_support::PumpUntil([&] { return !dispatched.empty(); }, 5000));
    EXPECT_EQ(dispatched, std::vector<UINT>{WM_APP + 1});
}

TEST_F(MessagePumpTest, PumpUntilGivesUpAfterTheTimeout)
{
    EXPECT_FALSE(test_support::PumpUntil([] { return false; }, 30));
}

TEST_F(MessagePumpTest, MessageTheFilterTakesIsNotDispatched)
{
    ::PostMessageA(window_, WM_APP + 1, 0, 0);
    ::PostMessageA(window_, WM_APP + 2, 0, 0);
    std::vector<UINT> offered;
    test_support::PumpPendingMessages([&](MSG& message) {
        offered.push_back(message.message);
        return message.message == WM_APP + 1;
    });
    EXPECT_EQ(offered, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
    EXPECT_EQ(dispatched, std::vector<UINT>{WM_APP + 2});
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
    ::PostMessageA(window_, WM_APP + 3, 0, 0);
    EXPECT_TRUE(test_support::PumpUntil([&] { return quitCode == 9 && !dispatched.empty(); }, 5000,
                                        [&](MSG& message) {
                                            if (message.message != WM_QUIT) {
                                                return false;
                                            }
                                            quitCode = static_cast<int>(message.wParam);
                                            return true;
                                        }));
}

}  // namespace

