// The power actions against a recorder: every platform call is written to a
// log with its arguments, and none reaches the system.
#include "power/power_actions.h"

#include <gtest/gtest.h>

#include "support/power_recorder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

HANDLE const kProcess = reinterpret_cast<HANDLE>(0x7001);
HANDLE const kToken = reinterpret_cast<HANDLE>(0x7002);
// A high part that is not zero, so that copying half of the identifier shows.
constexpr LUID kShutdownLuid = {0x13, 0x2A};

struct RecorderState {
    std::vector<std::string> log;
    bool tokenOpens = true;
    bool privilegeFound = true;
};
RecorderState recorder;

std::string HandleName(HANDLE handle)
{
    if (handle == kProcess) return "process";
    if (handle == kToken) return "token";
    return handle == nullptr ? "null" : "unknown handle";
}

template <typename... Args>
void Record(const char* format, Args... args)
{
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    recorder.log.push_back(line);
}

HANDLE WINAPI RecordGetCurrentProcess()
{
    recorder.log.push_back("GetCurrentProcess()");
    return kProcess;
}

BOOL WINAPI RecordOpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    Record("OpenProcessToken(%s, 0x%lx)", HandleName(process).c_str(), static_cast<unsigned long>(access));
    if (!recorder.tokenOpens) {
        return FALSE;
    }
    *token = kToken;
    return TRUE;
}

BOOL WINAPI RecordLookupPrivilegeValue(LPCSTR system, LPCSTR name, PLUID luid)
{
    Record("LookupPrivilegeValueA(%s, %s)", system == nullptr ? "null" : system, name);
    if (!recorder.privilegeFound) {
        return FALSE;
    }
    *luid = kShutdownLuid;
    return TRUE;
}

BOOL WINAPI RecordAdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES request,
                                        DWORD bufferLength, PTOKEN_PRIVILEGES previous, PDWORD returnLength)
{
    Record("AdjustTokenPrivileges(%s, %d, count %lu, luid %lx:%lx, attributes %lu, %lu, %s, %s)",
           HandleName(token).c_str(), disableAll, static_cast<unsigned long>(request->PrivilegeCount),
           static_cast<unsigned long>(request->Privileges[0].Luid.HighPart),
           static_cast<unsigned long>(request->Privileges[0].Luid.LowPart),
           static_cast<unsigned long>(request->Privileges[0].Attributes),
           static_cast<unsigned long>(bufferLength), previous == nullptr ? "null" : "set",
           returnLength == nullptr ? "null" : "set");
    return TRUE;
}

BOOL WINAPI RecordExitWindowsEx(UINT flags, DWORD reason)
{
    Record("ExitWindowsEx(%u, %lu)", flags, static_cast<unsigned long>(reason));
    return TRUE;
}

BOOL WINAPI RecordSetSystemPowerState(BOOL suspend, BOOL force)
{
    Record("SetSystemPowerState(%d, %d)", suspend, force);
    return TRUE;
}

BOOL WINAPI RecordCloseHandle(HANDLE handle)
{
    Record("CloseHandle(%s)", HandleName(handle).c_str());
    return TRUE;
}

const PowerPlatform kRecorder = {
    &RecordGetCurrentProcess,   &RecordOpenProcessToken,      &RecordLookupPrivilegeValue,
    &RecordAdjustTokenPrivileges, &RecordExitWindowsEx,        &RecordSetSystemPowerState,
    &RecordCloseHandle,
    nullptr,  // SetThreadExecutionState: the countdown's, never called by an action
};

const std::string kAdjust =
    "AdjustTokenPrivileges(token, 0, count 1, luid 2a:13, attributes 2, 0, null, null)";

class PowerActionsTest : public ::testing::Test {
protected:
    void SetUp() override { recorder = RecorderState(); }

    static std::vector<std::string> PrivilegeStepThen(const std::string& call)
    {
        return {"GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
                "LookupPrivilegeValueA(null, SeShutdownPrivilege)", kAdjust, "CloseHandle(token)", call};
    }
};

TEST_F(PowerActionsTest, EachPrivilegedActionEnablesThePrivilegeThenMakesItsOneCall)
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
        recorder = RecorderState();
        CarryOutAction(c.action, kRecorder);
        EXPECT_EQ(recorder.log, PrivilegeStepThen(c.call));
    }
}

TEST_F(PowerActionsTest, LogoffMakesNoTokenCall)
{
    CarryOutAction(ShutdownAction::Logoff, kRecorder);
    EXPECT_EQ(recorder.log, std::vector<std::string>{"ExitWindowsEx(0, 0)"});
}

TEST_F(PowerActionsTest, UnopenedTokenSkipsLookupAndAdjustButStillMakesTheCall)
{
    recorder.tokenOpens = false;
    CarryOutAction(ShutdownAction::Shutdown, kRecorder);
    const std::vector<std::string> expected = {"GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
                                               "ExitWindowsEx(1, 0)"};
    EXPECT_EQ(recorder.log, expected);
}

TEST_F(PowerActionsTest, UnknownPrivilegeSkipsAdjustClosesTheTokenAndStillMakesTheCall)
{
    recorder.privilegeFound = false;
    CarryOutAction(ShutdownAction::Hibernate, kRecorder);
    const std::vector<std::string> expected = {
        "GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
        "LookupPrivilegeValueA(null, SeShutdownPrivilege)", "CloseHandle(token)", "SetSystemPowerState(0, 1)"};
    EXPECT_EQ(recorder.log, expected);
}

TEST_F(PowerActionsTest, ValuesOutsideTheTableMakeNoCall)
{
    for (int value : {6, -1, 0x7FFFFFFF, -0x7FFFFFFF - 1}) {
        SCOPED_TRACE(value);
        CarryOutAction(static_cast<ShutdownAction>(value), kRecorder);
        EXPECT_TRUE(recorder.log.empty());
    }
}

TEST_F(PowerActionsTest, PrivilegeStepAloneRequestsOnlyTheShutdownPrivilege)
{
    EnableShutdownPrivilege(kRecorder);
    const std::vector<std::string> expected = {"GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
                                               "LookupPrivilegeValueA(null, SeShutdownPrivilege)", kAdjust,
                                               "CloseHandle(token)"};
    EXPECT_EQ(recorder.log, expected);
}

// Whether the system accepted the action, with the shared recorder's answers.
TEST(PowerActionResult, TrueOnlyWhenTheActionsOwnCallSucceeds)
{
    using test_support::FailingPowerCalls;
    using test_support::RecordingPowerPlatform;
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
