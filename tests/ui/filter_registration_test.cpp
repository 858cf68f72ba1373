// A filter's place in the thread's loop, found through the framework's
// registry of loops.
#include "ui/filter_registration.h"

#include <gtest/gtest.h>

#include <thread>

#include "ui/ui_module.h"

namespace {

class CountingFilter : public ui::MessageFilter {
public:
    int offered = 0;
    bool PreTranslateMessage(MSG&) override
    {
        ++offered;
        return false;
    }
};

class FilterRegistrationTest : public ::testing::Test {
protected:
    int OfferOneMessage()
    {
        const int before = filter_.offered;
        MSG message{};
        message.message = WM_NULL;
        loop_.PreTranslateMessage(message);
        return filter_.offered - before;
    }

    ui::MessageLoop loop_;
    ui::MessageLoopRegistration registration_{loop_};
    CountingFilter filter_;
};

TEST_F(FilterRegistrationTest, FilterIsOfferedTheLoopsMessagesUntilResetOrTheEnd)
{
    {
        ui::FilterRegistration place;
        EXPECT_TRUE(place.Register(filter_));
        place.Register(filter_);
        EXPECT_EQ(OfferOneMessage(), 1) << "registered again, it keeps one place";
        place.Reset();
        EXPECT_FALSE(place.IsRegistered());
        EXPECT_EQ(OfferOneMessage(), 0);
        place.Register(filter_);
    }
    EXPECT_EQ(OfferOneMessage(), 0);
}

TEST(FilterRegistrationWithoutLoopTest, ThreadWithoutLoopRegistersNothing)
{
    // A thread of its own: it has no loop in the registry.
    bool registered = true;
    bool holds = true;
    std::thread([&] {
        CountingFilter filter;
        ui::FilterRegistration place;
        registered = place.Register(filter);
        holds = place.IsRegistered();
    }).join();
    EXPECT_FALSE(registered);
    EXPECT_FALSE(holds);
}

}  // namespace
