#include "ui/ui_module.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "ui/message_loop.h"

namespace {

TEST(UiModuleTest, RegistersOneLoopPerThread)
{
    ui::UiModule& module = ui::TheUiModule();
    ui::MessageLoop loop;
    ui::MessageLoop other;
    ASSERT_EQ(nullptr, module.GetMessageLoop());

    EXPECT_TRUE(module.AddMessageLoop(&loop));
    EXPECT_EQ(&loop, module.GetMessageLoop());
    EXPECT_EQ(&loop, module.GetMessageLoop(::GetCurrentThreadId()));
    EXPECT_FALSE(module.AddMessageLoop(&other));
    EXPECT_EQ(&loop, module.GetMessageLoop());

    EXPECT_TRUE(module.RemoveMessageLoop());
    EXPECT_EQ(nullptr, module.GetMessageLoop());
    EXPECT_FALSE(module.RemoveMessageLoop());
}

TEST(UiModuleTest, LoopsOfOtherThreadsAreFoundByThreadId)
{
    ui::UiModule& module = ui::TheUiModule();
    ui::MessageLoop mine;
    ui::MessageLoop theirs;
    ASSERT_TRUE(module.AddMessageLoop(&mine));

    std::mutex lock;
    std::condition_variable changed;
    DWORD otherThread = 0;
    bool checked = false;
    std::thread worker([&] {
        module.AddMessageLoop(&theirs);
        std::unique_lock<std::mutex> guard(lock);
        otherThread = ::GetCurrentThreadId();
        changed.notify_all();
        changed.wait(guard, [&] { return checked; });
        module.RemoveMessageLoop();
    });
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [&] { return otherThread != 0; });
        EXPECT_EQ(&theirs, module.GetMessageLoop(otherThread));
        EXPECT_EQ(&mine, module.GetMessageLoop());
        checked = true;
        changed.notify_all();
    }
    worker.join();

    EXPECT_EQ(nullptr, module.GetMessageLoop(otherThread));
    EXPECT_EQ(&mine, module.GetMessageLoop());
    module.RemoveMessageLoop();
}

TEST(UiModuleTest, RegistrationLastsForItsScope)
{
    ui::MessageLoop loop;
    {
        ui::MessageLoopRegistration registration(loop);
        EXPECT_EQ(&loop, ui::TheUiModule().GetMessageLoop());
    }
    EXPECT_EQ(nullptr, ui::TheUiModule().GetMessageLoop());
}

}  // namespace
