// The language key of each power action's name, as the countdown shows it.
#pragma once

#include "run/run_parameters.h"

// "_Standby" ... "_PowerOffPC"; null for a value outside the six actions
// (the name is then empty).
const char* ActionNameKey(ShutdownAction action);
