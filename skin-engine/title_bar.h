// The title bar's colours follow the look the engine paints: dark on a dark
// skin (DwmSetWindowAttribute, DWMWA_USE_IMMERSIVE_DARK_MODE).
#pragma once

#include <windows.h>

namespace skin {

// Asks the desktop window manager for a dark or a light title bar. The
// attribute is 20 since Windows 10 build 18985 and 19 before it; on older
// Windows, and under Wine, neither is known and nothing changes. dwmapi.dll
// is loaded from the system folder for the call only.
void SetDarkTitleBar(HWND window, bool dark);

}  // namespace skin
