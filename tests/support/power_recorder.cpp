#include "support/power_recorder.h"

#include <string>

namespace test_support {

namespace {

std::vector<std::string> calls;
std::vector<EXECUTION_STATE> executionStates;
PowerCallFailures failures;

HANDLE const kFakeProcess = reinterpret_cast<HANDLE>(0x7101);
HANDLE const kFakeToken = reinterpret_cast<HANDLE>(0x7102);

HANDLE WINAPI FakeGetCurrentProcess()
{
    calls.push_back("GetCurrentProcess()");
    return kFakeProcess;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE, DWORD access, PHANDLE token)
{
    calls.push_back("OpenProcessToken(" + std::to_string(access) + ")");
    if (failures.openProcessToken) {
        return FALSE;
    }
    *token = kFakeToken;
    return TRUE;
}

BOOL WINAPI FakeLookupPrivilegeValue(LPCSTR, LPCSTR name, PLUID luid)
{
    calls.push_back(std::string("LookupPrivilegeValueA(") + name + ")");
    if (failures.lookupPrivilegeValue) {
        return FALSE;
    }
    *luid = LUID{};
    return TRUE;
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)
{
    calls.push_back("AdjustTokenPrivileges()");
    return TRUE;
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reason)
{
    calls.push_back("ExitWindowsEx(" + std::to_string(flags) + ", " + std::to_string(reason) + ")");
    return failures.exitWindowsEx ? FALSE : TRUE;
}

BOOL WINAPI FakeSetSystemPowerState(BOOL suspend, BOOL force)
{
    calls.push_back("SetSystemPowerState(" + std::to_string(suspend) + ", " + std::to_string(force) + ")");
    return failures.setSystemPowerState ? FALSE : TRUE;
}

BOOL WINAPI FakeCloseHandle(HANDLE)
{
    calls.push_back("CloseHandle()");
    return TRUE;
}

EXECUTION_STATE WINAPI FakeSetThreadExecutionState(EXECUTION_STATE state)
{
    executionStates.push_back(state);
    return ES_CONTINUOUS;
}

constexpr PowerPlatform kRecordingPlatform{
    FakeGetCurrentProcess, FakeOpenProcessToken,    FakeLookupPrivilegeValue, FakeAdjustTokenPrivileges,
    FakeExitWindowsEx,     FakeSetSystemPowerState, FakeCloseHandle,           FakeSetThreadExecutionState,
};

}  // namespace

const PowerPlatform& RecordingPowerPlatform()
{
    calls.clear();
    executionStates.clear();
    failures = PowerCallFailures{};
    return kRecordingPlatform;
}

PowerCallFailures& FailingPowerCalls()
{
    return failures;
}

const std::vector<std::string>& RecordedPowerCalls()
{
    return calls;
}

const std::vector<EXECUTION_STATE>& RecordedExecutionStates()
{
    return executionStates;
}

std::vector<std::string> RecordedSystemCalls()
{
    std::vector<std::string> system;
    for (const std::string& call : calls) {
        if (call.rfind("ExitWindowsEx", 0) == 0 || call.rfind("SetSystemPowerState", 0) == 0) {
            system.push_back(call);
        }
    }
    return system;
}

}  // namespace test_support
