// winmm.dll, which serves the countdown's clock and its sound: loaded from the
// system folder on first use and kept for the rest of the process.
#pragma once

#include <windows.h>

// Null where winmm.dll is missing or does not load; callers then go on
// without it.
HMODULE MultimediaLibrary();
