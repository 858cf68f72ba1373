// The run the program carries out: which power action, after how long, and the
// password that guards its cancellation.
#pragma once

#include <cstdint>
#include <string>

// The numbers are fixed: the command line, the parameters dialog's list and the
// power dispatch all use them. Any other value may arrive from the command line.
enum class ShutdownAction : std::int32_t {
    Standby = 0,
    Hibernate = 1,
    Shutdown = 2,
    Logoff = 3,
    Restart = 4,
    PowerOff = 5,
};

// True for the numbers of ShutdownAction, 0 to 5: any other number describes
// no action, and a line that carries one is no run.
bool IsKnownAction(std::int32_t value);

struct RunParameters {
    ShutdownAction action = ShutdownAction::Standby;
    std::int32_t delaySeconds = 0;
    std::string password;  // empty: the run can be cancelled without a password
};

// The one record of the process: written once before the countdown starts,
// only read afterwards.
RunParameters& TheRunParameters();
