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

// Gives the X server's keyboard focus to the X window of `window`'s top-level
// window, as a window manager would, once Win32 has made it the focus. Under
// Wine without a window manager, Wine asks X for the focus when a window is
// activated, which X refuses while the window is not yet mapped: keys sent
// then reach another window. False when X never reported the focus there.
bool GiveXFocusTo(HWND window);

// Where the first icon of Wine's own notification area ("Wine System Tray",
// shown at the top left of the screen when no tray host runs) lies.
bool FirstTrayIconPosition(POINT& position);

// The keyboard focus of the thread that owns `window` (another process's
// thread too), or null.
HWND FocusOfThreadOf(HWND window);

}  // namespace test_support
