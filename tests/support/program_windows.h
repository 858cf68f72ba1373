// The program's own windows, found in a process (the program's, or the test's
// when the windows are made in the test) by what they hold.
#pragma once

#include <windows.h>

#include <string>

#include "support/program_process.h"

namespace test_support {

// The countdown window: the dialog with the information text and Hide.
HWND WaitForCountdownWindow(DWORD processId, DWORD timeoutMs = 10000);
// The visible parameters dialog: the dialog with the action list.
HWND WaitForParametersDialog(DWORD processId, DWORD timeoutMs = 10000);
// The visible password prompt of a cancellation.
HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs = 10000);
// Shown and at rest: the slide-in ends with the bottom edge 0 to 4 pixels
// above the work area's bottom, at its right edge.
bool IsShownAtBottomRight(HWND window);
// Puts `text` into the prompt's password box, as if typed.
void TypePassword(HWND prompt, const std::string& text);

// Posts the command to one of the program's dialogs (IDCANCEL of the
// countdown window, IDOK of a prompt) and waits for the program's exit code.
DWORD ExitCodeAfterCommand(ProgramProcess& program, HWND dialog, int commandId, DWORD timeoutMs = 5000);
// Types the password into the prompt, confirms it, and waits for the exit code.
DWORD ExitCodeAfterPassword(ProgramProcess& program, HWND prompt, const std::string& password,
                            DWORD timeoutMs = 5000);

}  // namespace test_support
