// The program from start to end: one run, from the command line or the
// parameters dialog, counted down and carried out or cancelled.
#pragma once

#include <windows.h>

#include "power/power_platform.h"
#include "run/exit_codes.h"

// kSingleInstanceMutexName.
#include "app/single_instance.h"

// `commandLine` is the whole command line, the program's name included
// (GetCommandLineW).
int RunApplication(HINSTANCE instance, const wchar_t* commandLine, const PowerPlatform& power);

// Creates the countdown window for the run in TheRunParameters() and runs the
// thread's message loop until the window ends the run; returns the exit code.
int RunCountdown(const PowerPlatform& power);
