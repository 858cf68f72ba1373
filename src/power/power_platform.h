// The operating system calls that the power actions make, gathered in one
// table so that tests can put a recorder in place of the real calls: a test
// must never suspend, shut down or log off the machine it runs on.
#pragma once

#include <windows.h>

struct PowerPlatform {
    // decltype keeps each call's exact signature, WINAPI included, so a
    // recorder with the wrong calling convention does not compile on i686.
    decltype(&::GetCurrentProcess) getCurrentProcess;
    decltype(&::OpenProcessToken) openProcessToken;
    decltype(&::LookupPrivilegeValueA) lookupPrivilegeValue;
    decltype(&::AdjustTokenPrivileges) adjustTokenPrivileges;
    decltype(&::ExitWindowsEx) exitWindowsEx;
    decltype(&::SetSystemPowerState) setSystemPowerState;
    decltype(&::CloseHandle) closeHandle;
    // Keeps the machine from sleeping while a run counts down.
    decltype(&::SetThreadExecutionState) setThreadExecutionState;
};

// The real calls of advapi32, user32 and kernel32.
const PowerPlatform& SystemPowerPlatform();
