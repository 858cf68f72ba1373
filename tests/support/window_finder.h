// Finding and driving another process's windows (or the test's own) the way a
// user would: by process, class and caption; clicking, typing, reading texts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test_support {

constexpr char kDialogClass[] = "#32770";

std::vector<HWND> TopLevelWindowsOf(DWORD processId);

// Polls every 10 ms until a top-level window of the process satisfies the
// predicate, or the timeout passes (null then).
HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& predicate, DWORD timeoutMs = 10000);

// A top-level dialog (#32770) of the process that satisfies the predicate;
// null after the timeout.
HWND WaitForDialog(DWORD processId, const std::function<bool(HWND)>& predicate, DWORD timeoutMs = 10000);

// A visible or hidden top-level dialog (#32770) of the process that holds a
// control with the given id; null after the timeout.
HWND WaitForDialogWithControl(DWORD processId, int controlId, DWORD timeoutMs = 10000);
// The same dialog once it is visible.
HWND WaitForVisibleDialogWithControl(DWORD processId, int controlId, DWORD timeoutMs = 10000);

// A top-level window of the process owned by `owner` (message boxes, prompts).
HWND WaitForOwnedWindow(DWORD processId, HWND owner, DWORD timeoutMs = 10000);

// A message box of the process (a #32770 dialog holding a static with the
// id 0xFFFF message-box text), optionally owned by `owner`.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
std::string MessageBoxText(HWND messageBox);

// What a test saw of a message box before it answered it with OK.
struct MessageBoxAnswer {
    bool seen = false;
    std::string text;
    std::string caption;
};
// The message box owned by `owner`, among the windows of the owner's thread;
// null when there is none.
HWND FindMessageBoxOwnedBy(HWND owner);
// Reads the box's text and caption, then presses OK.
MessageBoxAnswer AnswerMessageBox(HWND messageBox);

// Polls until the window is gone (true) or the timeout passes (false).
bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);
// Polls until the predicate holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The class name of a window.
std::string ClassName(HWND window);
// WM_GETTEXT: works across processes, where GetWindowTextA gives "" for
// another process's edit box.
std::string ControlText(HWND window);
void SetControlText(HWND window, const std::string& text);
// The same in UTF-16, which holds any script whatever the code pages of the
// test and of the program (the program's window converts from its own).
std::wstring ControlTextW(HWND window);
void SetControlTextW(HWND window, const std::wstring& text);
// The texts of the popup menu that a visible menu window (#32768) shows, by
// position (MN_GETHMENU, GetMenuStringW).
std::vector<std::wstring> MenuTextsW(HWND menuWindow);

// Clicks a button without waiting for what the click starts: a click that
// opens a modal prompt would otherwise block the test until the prompt ends.
void PostClick(HWND dialog, int controlId);
// Sends WM_COMMAND(id) to a dialog without waiting (Esc and Enter arrive this
// way from the dialog manager: IDCANCEL and IDOK).
void PostCommand(HWND dialog, int commandId);

DWORD ProcessOfWindow(HWND window);

}  // namespace test_support
