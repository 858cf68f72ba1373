// The power actions against the shared recorder: every platform call is
// written to a log with its arguments, and none reaches the system.
#include "power/power_actions.h"

#include <gtest/gtest.h>

#include "support/power_recorder.h"

#include <string>
#include <vector>

namespace {

using test_support::FailingPowerCalls;
using test_support::PrivilegeStepCalls;
using test_support::RecordedPowerCalls;
using test_support::RecordingPowerPlatform;

std::vector<std::string> PrivilegeStepThen(const std::string& call)
{
    std::vector<std::string> calls = PrivilegeStepCalls();
    calls.push_back(call);
    return calls;
}

TEST(PowerActionsTest, EachPrivilegedActionEnablesThePrivilegeThenMakesItsOneCall)
{
    const struct {
        ShutdownAction action;
        const char* call;
    } cases[] = {
        {ShutdownAction::Standby, "SetSystemPowerState(1, 1)"},
        {ShutdownAction::Hibernate, "SetSystemPowerState(0, 1)"},
        {ShutdownAction::Shutdown, "ExitWindowsEx(1, 0)"},
        {ShutdownAction::Restart, "ExitWindowsEx(2, 0)"},
        {ShutdownAction::PowerOff, "ExitWindowsEx(8, 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        CarryOutAction(c.action, RecordingPowerPlatform());
        EXPECT_EQ(RecordedPowerCalls(), PrivilegeStepThen(c.call));
        EXPECT_TRUE(test_support::RecordedExecutionStates().empty()) << "the countdown's call, not an action's";
    }
}

TEST(PowerActionsTest, LogoffMakesNoTokenCall)
{
    CarryOutAction(ShutdownAction::Logoff, RecordingPowerPlatform());
    EXPECT_EQ(RecordedPowerCalls(), std::vector<std::string>{"ExitWindowsEx(0, 0)"});
}

TEST(PowerActionsTest, UnopenedTokenSkipsLookupAndAdjustButStillMakesTheCall)
{
    const PowerPlatform& platform = RecordingPowerPlatform();
    FailingPowerCalls().openProcessToken = true;
    CarryOutAction(ShutdownAction::Shutdown, platform);
    const std::vector<std::string> expected = {"GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
                                               "ExitWindowsEx(1, 0)"};
    EXPECT_EQ(RecordedPowerCalls(), expected);
}

TEST(PowerActionsTest, UnknownPrivilegeSkipsAdjustClosesTheTokenAndStillMakesTheCall)
{
    const PowerPlatform& platform = RecordingPowerPlatform();
    FailingPowerCalls().lookupPrivilegeValue = true;
    CarryOutAction(ShutdownAction::Hibernate, platform);
    const std::vector<std::string> expected = {
        "GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
        "LookupPrivilegeValueA(null, SeShutdownPrivilege)", "CloseHandle(token)", "SetSystemPowerState(0, 1)"};
    EXPECT_EQ(RecordedPowerCalls(), expected);
}

TEST(PowerActionsTest, ValuesOutsideTheTableMakeNoCall)
{
    for (int value : {6, -1, 0x7FFFFFFF, -0x7FFFFFFF - 1}) {
        SCOPED_TRACE(value);
        CarryOutAction(static_cast<ShutdownAction>(value), RecordingPowerPlatform());
        EXPECT_TRUE(RecordedPowerCalls().empty());
    }
}

TEST(PowerActionsTest, PrivilegeStepAloneRequestsOnlyTheShutdownPrivilege)
{
    EnableShutdownPrivilege(RecordingPowerPlatform());
    const std::vector<std::string> expected = {
        "GetCurrentProcess()", "OpenProcessToken(process, 0x28)", "LookupPrivilegeValueA(null, SeShutdownPrivilege)",
        "AdjustTokenPrivileges(token, 0, count 1, luid 2a:13, attributes 2, 0, null, null)", "CloseHandle(token)"};
    EXPECT_EQ(RecordedPowerCalls(), expected);
}

// Whether the system accepted the action, with the shared recorder's answers.
TEST(PowerActionResult, TrueOnlyWhenTheActionsOwnCallSucceeds)
{
    for (int value = 0; value <= 5; ++value) {
        SCOPED_TRACE(value);
        const auto action = static_cast<ShutdownAction>(value);
        EXPECT_TRUE(CarryOutAction(action, RecordingPowerPlatform()));

        // A privilege step that fails leaves the verdict to the call itself.
        const PowerPlatform& platform = RecordingPowerPlatform();
        FailingPowerCalls().openProcessToken = true;
        EXPECT_TRUE(CarryOutAction(action, platform));

        RecordingPowerPlatform();
        FailingPowerCalls().exitWindowsEx = true;
        FailingPowerCalls().setSystemPowerState = true;
        EXPECT_FALSE(CarryOutAction(action, platform));
    }
    EXPECT_FALSE(CarryOutAction(static_cast<ShutdownAction>(6), RecordingPowerPlatform()));
    EXPECT_FALSE(CarryOutAction(static_cast<ShutdownAction>(-1), RecordingPowerPlatform()));
}

}  // namespace
