// Carrying out the run's power action once the countdown has reached zero,
// and whether the system accepted it.
#pragma once

#include "run/run_parameters.h"
#include "power/power_platform.h"

// Enables "SeShutdownPrivilege" in the process's own token. A token that
// cannot be opened or a privilege that cannot be found ends the step quietly.
void EnableShutdownPrivilege(const PowerPlatform& platform);

// Makes the one system call of `action`, after the privilege step for every
// action but log off. True when the system accepted the call (it returned
// TRUE); false when it refused it (hibernation off, the privilege missing) and
// for a value outside Standby..PowerOff, which makes no call at all.
bool CarryOutAction(ShutdownAction action, const PowerPlatform& platform);
