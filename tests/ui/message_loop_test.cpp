#include "ui/message_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/allocation_watch.h"
#include "support/app_message_window.h"
#include "support/message_pump.h"

namespace {

using Journal = std::vector<std::string>;

class RecordingFilter : public ui::MessageFilter {
public:
    RecordingFilter(std::string name, Journal& journal) : name_(std::move(name)), journal_(journal) {}

    bool consume = false;
    UINT consumeOnly = 0;  // 0: every message
    ui::MessageLoop* removeFromLoop = nullptr;
    ui::MessageFilter* filterToRemove = nullptr;

    bool PreTranslateMessage(MSG& message) override
    {
        journal_.push_back(name_);
        if (removeFromLoop != nullptr) {
            removeFromLoop->RemoveMessageFilter(filterToRemove != nullptr ? filterToRemove : this);
        }
        return consume && (consumeOnly == 0 || consumeOnly == message.message);
    }

private:
    std::string name_;
    Journal& journal_;
};

class RecordingIdleHandler : public ui::IdleHandler {
public:
    RecordingIdleHandler(std::string name, Journal& journal) : name_(std::move(name)), journal_(journal) {}

    int calls = 0;
    ui::MessageLoop* removeFromLoop = nullptr;
    // Called on the handler's n-th call (1-based), if set.
    void (*onCall)(int call) = nullptr;

    bool OnIdle() override
    {
        journal_.push_back(name_);
        ++calls;
        if (removeFromLoop != nullptr) {
            removeFromLoop->RemoveIdleHandler(this);
        }
        if (onCall != nullptr) {
            onCall(calls);
        }
        return false;
    }

private:
    std::string name_;
    Journal& journal_;
};

MSG SomeMessage(UINT message = WM_APP)
{
    MSG msg{};
    msg.message = message;
    return msg;
}

// Three recording filters in one loop, added in the order a, b, c.
class MessageFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loop.AddMessageFilter(&a);
        loop.AddMessageFilter(&b);
        loop.AddMessageFilter(&c);
    }

    // Offers one message to the loop's filters; `journal` then names those
    // that saw it, in turn.
    bool Offer()
    {
        journal.clear();
        MSG message = SomeMessage();
        return loop.PreTranslateMessage(message);
    }

    Journal journal;
    ui::MessageLoop loop;
    RecordingFilter a{"a", journal}, b{"b", journal}, c{"c", journal};
};

TEST_F(MessageFilterTest, OfferedNewestFirst)
{
    EXPECT_FALSE(Offer());
    EXPECT_EQ((Journal{"c", "b", "a"}), journal);
}

TEST_F(MessageFilterTest, ConsumingFilterEndsTheRound)
{
    b.consume = true;
    EXPECT_TRUE(Offer());
    EXPECT_EQ((Journal{"c", "b"}), journal);
}

TEST_F(MessageFilterTest, FilterMayRemoveItselfWhileItRuns)
{
    b.removeFromLoop = &loop;
    Offer();
    EXPECT_EQ((Journal{"c", "b", "a"}), journal);
    Offer();
    EXPECT_EQ((Journal{"c", "a"}), journal);
}

TEST_F(MessageFilterTest, FilterMayRemoveAnOlderOneWhileItRuns)
{
    c.removeFromLoop = &loop;
    c.filterToRemove = &a;
    Offer();
    // Each filter at most once, and the removed one not at all.
    EXPECT_EQ((Journal{"c", "b"}), journal);
}

// The countdown's expiry arrives through the loop: with memory exhausted it
// must still reach the window.
class NullFilter : public ui::MessageFilter {
public:
    bool PreTranslateMessage(MSG&) override { return false; }
};

TEST(MessageFilterAllocationTest, OfferingAMessageAllocatesNothing)
{
    ui::MessageLoop loop;
    NullFilter first, second;
    loop.AddMessageFilter(&first);
    loop.AddMessageFilter(&second);
    test_support::AllocationWatch watch;
    watch.FailAll(true);
    MSG message = SomeMessage();
    EXPECT_NO_THROW(loop.PreTranslateMessage(message));
    EXPECT_NO_THROW(loop.RunIdleHandlers());
    EXPECT_EQ(watch.Count(), 0u);
}

TEST(IdleHandlerTest, HandlerMayRemoveItselfWithoutSkippingTheNext)
{
    Journal journal;
    ui::MessageLoop loop;
    RecordingIdleHandler first("first", journal), second("second", journal);
    loop.AddIdleHandler(&first);
    loop.AddIdleHandler(&second);
    first.removeFromLoop = &loop;
    loop.RunIdleHandlers();
    EXPECT_EQ((Journal{"first", "second"}), journal);
    journal.clear();
    loop.RunIdleHandlers();
    EXPECT_EQ(Journal{"second"}, journal);
}

TEST(IsIdleMessageTest, BusyMessagesDoNotAllowIdleProcessing)
{
    for (UINT message : {UINT{WM_MOUSEMOVE}, UINT{WM_NCMOUSEMOVE}, UINT{WM_PAINT}, UINT{0x0118}}) {
        EXPECT_FALSE(ui::MessageLoop::IsIdleMessage(SomeMessage(message))) << message;
    }
    for (UINT message : {UINT{WM_TIMER}, UINT{WM_KEYDOWN}, UINT{WM_COMMAND}, UINT{WM_LBUTTONDOWN}, UINT{WM_NULL},
                         UINT{WM_APP + 5}}) {
        EXPECT_TRUE(ui::MessageLoop::IsIdleMessage(SomeMessage(message))) << message;
    }
}

// A window that notes the messages dispatched to it.
class MessageLoopRunTest : public ::testing::Test {
protected:
    // Ends a loop that would otherwise wait for ever when a test fails.
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(-99); }

    void SetUp() override
    {
        test_support::PumpPendingMessages();
        ASSERT_NE(nullptr, window_.Handle());
        watchdog_ = ::SetTimer(nullptr, 0, 10000, &Watchdog);
    }

    void TearDown() override { ::KillTimer(nullptr, watchdog_); }

    test_support::AppMessageWindow window_;
    UINT_PTR watchdog_ = 0;
};

TEST_F(MessageLoopRunTest, RunReturnsTheQuitCode)
{
    ui::MessageLoop loop;
    ::PostQuitMessage(5);
    EXPECT_EQ(5, loop.Run());
    ::PostQuitMessage(-3);
    EXPECT_EQ(-3, loop.Run());
}

TEST_F(MessageLoopRunTest, ConsumedMessageIsNeitherTranslatedNorDispatched)
{
    Journal journal;
    ui::MessageLoop loop;
    RecordingFilter filter("filter", journal);
    filter.consume = true;
    filter.consumeOnly = WM_APP + 1;
    loop.AddMessageFilter(&filter);

    window_.Post(WM_APP + 1);
    window_.Post(WM_APP + 2);
    ::PostQuitMessage(3);
    EXPECT_EQ(3, loop.Run());
    EXPECT_EQ(std::vector<UINT>{WM_APP + 2}, window_.Dispatched());
    EXPECT_EQ((Journal{"filter", "filter"}), journal);
}

HWND idleTestWindow = nullptr;

// First idle pass: a message arrives, so the queue empties again and a
// second pass follows; the second pass ends the loop.
void PostWorkThenQuit(int call)
{
    if (call == 1) {
        ::PostMessageA(idleTestWindow, WM_APP + 7, 0, 0);
    } else {
        ::PostQuitMessage(11);
    }
}

TEST_F(MessageLoopRunTest, IdleHandlersRunWhenTheQueueIsEmpty)
{
    Journal journal;
    ui::MessageLoop loop;
    RecordingIdleHandler first("first", journal), second("second", journal);
    first.onCall = &PostWorkThenQuit;
    loop.AddIdleHandler(&first);
    loop.AddIdleHandler(&second);
    idleTestWindow = window_.Handle();

    EXPECT_EQ(11, loop.Run());
    EXPECT_EQ((Journal{"first", "second", "first", "second"}), journal);
    EXPECT_EQ(std::vector<UINT>{WM_APP + 7}, window_.Dispatched());
    idleTestWindow = nullptr;
}

}  // namespace
