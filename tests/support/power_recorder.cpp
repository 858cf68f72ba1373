#include "support/power_recorder.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace test_support {

namespace {

// Recording allocates nothing, so that the recorder also serves tests in which
// every allocation fails: the lines go into fixed buffers and become strings
// only when a test reads them.
constexpr std::size_t kMaxCalls = 32;
constexpr std::size_t kMaxLine = 96;
char lines[kMaxCalls][kMaxLine];
std::size_t lineCount = 0;
EXECUTION_STATE executionStates[kMaxCalls];
std::size_t executionStateCount = 0;
PowerCallFailures failures;

void Record(const char* format, ...)
{
    if (lineCount == kMaxCalls) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(lines[lineCount++], kMaxLine, format, arguments);
    va_end(arguments);
}

HANDLE const kFakeProcess = reinterpret_cast<HANDLE>(0x7101);
HANDLE const kFakeToken = reinterpret_cast<HANDLE>(0x7102);

HANDLE WINAPI FakeGetCurrentProcess()
{
    Record("GetCurrentProcess()");
    return kFakeProcess;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE, DWORD access, PHANDLE token)
{
    Record("OpenProcessToken(%lu)", static_cast<unsigned long>(access));
    if (failures.openProcessToken) {
        return FALSE;
    }
    *token = kFakeToken;
    return TRUE;
}

BOOL WINAPI FakeLookupPrivilegeValue(LPCSTR, LPCSTR name, PLUID luid)
{
    Record("LookupPrivilegeValueA(%s)", name);
    if (failures.lookupPrivilegeValue) {
        return FALSE;
    }
    *luid = LUID{};
    return TRUE;
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)
{
    Record("AdjustTokenPrivileges()");
    return TRUE;
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reason)
{
    Record("ExitWindowsEx(%u, %lu)", flags, static_cast<unsigned long>(reason));
    return failures.exitWindowsEx ? FALSE : TRUE;
}

BOOL WINAPI FakeSetSystemPowerState(BOOL suspend, BOOL force)
{
    Record("SetSystemPowerState(%d, %d)", suspend, force);
    return failures.setSystemPowerState ? FALSE : TRUE;
}

BOOL WINAPI FakeCloseHandle(HANDLE)
{
    Record("CloseHandle()");
    return TRUE;
}

EXECUTION_STATE WINAPI FakeSetThreadExecutionState(EXECUTION_STATE state)
{
    if (executionStateCount < kMaxCalls) {
        executionStates[executionStateCount++] = state;
    }
    return ES_CONTINUOUS;
}

constexpr PowerPlatform kRecordingPlatform{
    FakeGetCurrentProcess, FakeOpenProcessToken,    FakeLookupPrivilegeValue, FakeAdjustTokenPrivileges,
    FakeExitWindowsEx,     FakeSetSystemPowerState, FakeCloseHandle,           FakeSetThreadExecutionState,
};

bool IsSystemCall(const std::string& call)
{
    return call.rfind("ExitWindowsEx", 0) == 0 || call.rfind("SetSystemPowerState", 0) == 0;
}

}  // namespace

const PowerPlatform& RecordingPowerPlatform()
{
    lineCount = 0;
    executionStateCount = 0;
    failures = PowerCallFailures{};
    return kRecordingPlatform;
}

PowerCallFailures& FailingPowerCalls()
{
    return failures;
}

const std::vector<std::string>& RecordedPowerCalls()
{
    static std::vector<std::string> calls;
    calls.assign(lines, lines + lineCount);
    return calls;
}

const std::vector<EXECUTION_STATE>& RecordedExecutionStates()
{
    static std::vector<EXECUTION_STATE> states;
    states.assign(executionStates, executionStates + executionStateCount);
    return states;
}

std::vector<std::string> RecordedSystemCalls()
{
    std::vector<std::string> system;
    for (const std::string& call : RecordedPowerCalls()) {
        if (IsSystemCall(call)) {
            system.push_back(call);
        }
    }
    return system;
}

}  // namespace test_support
