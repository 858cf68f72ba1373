// The countdown's millisecond clock: timeGetTime from winmm.dll, loaded from
// the system folder on first use and kept for the rest of the process.
#pragma once

#include <windows.h>

using MillisecondClock = DWORD(WINAPI*)();

// timeGetTime; GetTickCount where winmm.dll or its export cannot be loaded.
// Both count the same milliseconds since Windows started, sleep included;
// GetTickCount only steps more coarsely (10-16 ms), well inside the
// countdown's 500 ms display period and its never-early deadline check.
MillisecondClock SystemMillisecondClock();
