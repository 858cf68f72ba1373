// A stand-in for the power calls in window tests: it writes each call's name
// and arguments to a log and never reaches the system.
#pragma once

#include <string>
#include <vector>

#include "power/power_platform.h"

namespace test_support {

// Clears the log and returns the recording platform.
const PowerPlatform& RecordingPowerPlatform();
// The calls made since, e.g. "SetSystemPowerState(1, 1)", "ExitWindowsEx(1, 0)".
const std::vector<std::string>& RecordedPowerCalls();
// Only the calls that would act on the machine (ExitWindowsEx, SetSystemPowerState).
std::vector<std::string> RecordedSystemCalls();

}  // namespace test_support
