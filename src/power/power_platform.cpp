#include "power/power_platform.h"

const PowerPlatform& SystemPowerPlatform()
{
    static const PowerPlatform platform = {
        &::GetCurrentProcess,
        &::OpenProcessToken,
        &::LookupPrivilegeValueA,
        &::AdjustTokenPrivileges,
        &::ExitWindowsEx,
        &::SetSystemPowerState,
        &::CloseHandle,
        &::SetThreadExecutionState,
    };
    return platform;
}
