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
constexpr std::size_t kMaxLine = 128;
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
// A LUID whose HighPart is not zero, so that copying half of the identifier shows.
constexpr LUID kShutdownLuid = {0x13, 0x2A};

const char* HandleName(HANDLE handle)
{
    if (handle == kFakeProcess) return "process";
    if (handle == kFakeToken) return "token";
    return handle == nullptr ? "null" : "unknown handle";
}

HANDLE WINAPI FakeGetCurrentProcess()
{
    Record("GetCurrentProcess()");
    return kFakeProcess;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    Record("OpenProcessToken(%s, 0x%lx)", HandleName(process), static_cast<unsigned long>(access));
    if (failures.openProcessToken) {
        return FALSE;
    }
    *token = kFakeToken;
    return TRUE;
}

BOOL WINAPI FakeLookupPrivilegeValue(LPCSTR system, LPCSTR name, PLUID luid)
{
    Record("LookupPrivilegeValueA(%s, %s)", system == nullptr ? "null" : system, name);
    if (failures.lookupPrivilegeValue) {
        return FALSE;
    }
    *luid = kShutdownLuid;
    return TRUE;
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES request, DWORD bufferLength,
                                      PTOKEN_PRIVILEGES previous, PDWORD returnLength)
{
    Record("AdjustTokenPrivileges(%s, %d, count %lu, luid %lx:%lx, attributes %lu, %lu, %s, %s)", HandleName(token),
           disableAll, static_cast<unsigned long>(request->PrivilegeCount),
           static_cast<unsigned long>(request->Privileges[0].Luid.HighPart),
           static_cast<unsigned long>(request->Privileges[0].Luid.LowPart),
           static_cast<unsigned long>(request->Privileges[0].Attributes), static_cast<unsigned long>(bufferLength),
           previous == nullptr ? "null" : "set", returnLength == nullptr ? "null" : "set");
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

BOOL WINAPI FakeCloseHandle(HANDLE handle)
{
    Record("CloseHandle(%s)", HandleName(handle));
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

std::vector<std::string> PrivilegeStepCalls()
{
    return {"GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
            "LookupPrivilegeValueA(null, SeShutdownPrivilege)",
            "AdjustTokenPrivileges(token, 0, count 1, luid 2a:13, attributes 2, 0, null, null)", "CloseHandle(token)"};
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
