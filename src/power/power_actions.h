// Carrying out the run's power action once the countdown has reached zero.
// Nothing here reports failure: the run ends the same way whether the system
// accepted the request or not.
#pragma once

#include "run/run_parameters.h"
#include "power/power_platform.h"

// Enables "SeShutdownPrivilege" in the process's own token. A token that
// cannot be opened or a privilege that cannot be found ends the step quietly.
void EnableShutdownPrivilege(const PowerPlatform& platform);

// Makes the one system call of `action`, after the privilege step for every
// action but log off. A value outside Standby..PowerOff makes no call at all.
void CarryOutAction(ShutdownAction action, const PowerPlatform& platform);
