// Real keyboard and mouse input for end-to-end tests under Wine: the X
// server's own events, sent by Debian's xdotool, reach the focused Wine window
// the way a user's keys and clicks do.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

// Under Wine, with /usr/bin/xdotool installed: real input can be sent.
bool CanSendRealInput();

// Runs `xdotool ARGUMENTS` (e.g. "key Tab", "type secret",
// "mousemove 12 32 click 1") and waits until it has finished, letting the
// test thread's own windows run meanwhile. False when it failed or did not
// finish in time. ARGUMENTS must not hold a double quote.
bool Xdotool(const std::string& arguments, DWORD timeoutMs = 10000);

// Once Wine has made `window` (its top-level window) the foreground window,
// gives that window's X window the X keyboard focus, as a window manager
// would, and waits until the X server has it there. Without a window manager
// Wine sets the X focus itself, a little after the activation and not every
// time; the X focus events it handles later can then race the keys a test
// sends (see the test of the refused password).
bool GiveKeyboardFocusTo(HWND window, DWORD timeoutMs = 5000);

// Where the first icon of Wine's own notification area ("Wine System Tray",
// shown at the top left of the screen when no tray host runs) lies.
bool FirstTrayIconPosition(POINT& position);

// The keyboard focus of the thread that owns `window` (another process's
// thread too), or null.
HWND FocusOfThreadOf(HWND window);

}  // namespace test_support
