// A stand-in for the power calls in window tests: it writes each call's name
// and arguments to a log and never reaches the system.
#pragma once

#include <string>
#include <vector>

#include "power/power_platform.h"

namespace test_support {

// Which recorded calls answer FALSE, as a system that refuses them would.
struct PowerCallFailures {
    bool openProcessToken = false;
    bool lookupPrivilegeValue = false;
    bool exitWindowsEx = false;
    bool setSystemPowerState = false;
};

// Clears the log and the failures and returns the recording platform.
const PowerPlatform& RecordingPowerPlatform();
// Switched on after RecordingPowerPlatform(), for the next calls.
PowerCallFailures& FailingPowerCalls();
// The calls made since, with their arguments, e.g. "SetSystemPowerState(1, 1)",
// "ExitWindowsEx(1, 0)", "OpenProcessToken(process, 0x28)" (handles by the
// names the recorder gave them: process, token).
const std::vector<std::string>& RecordedPowerCalls();
// The arguments of SetThreadExecutionState since, in order (kept apart from
// the power calls above).
const std::vector<EXECUTION_STATE>& RecordedExecutionStates();
// What enabling the shutdown privilege records when every step succeeds.
std::vector<std::string> PrivilegeStepCalls();
// Only the calls that would act on the machine (ExitWindowsEx, SetSystemPowerState).
std::vector<std::string> RecordedSystemCalls();

}  // namespace test_support
