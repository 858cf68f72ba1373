// The program's own windows, found in a process (the program's, or the test's
// when the windows are made in the test) by what they hold.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

// The countdown window: the dialog with the information text and Hide.
HWND WaitForCountdownWindow(DWORD processId, DWORD timeoutMs = 10000);
// The visible password prompt of a cancellation.
HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs = 10000);
// Puts `text` into the prompt's password box, as if typed.
void TypePassword(HWND prompt, const std::string& text);

}  // namespace test_support
