// The notification-area icon of a run: added when the countdown starts (and
// retried for a while when the shell is not ready yet), removed when its
// window goes, and added again when the shell re-creates the notification area.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "text/ansi_text.h"
#include "ui/window.h"

// The message with which the shell reports the icon's mouse events to its
// window (lParam: WM_LBUTTONDOWN and the like). With the icon's id it is part
// of the program's outside interface, known to whatever drives a run from
// outside (the end-to-end tests post it as a click on the icon): a fixed
// number that keeps this value, not a message registered at run time. It
// lies in the range a window class defines for itself (WM_USER to 0x7FFF),
// clear of the dialog manager's own messages there (DM_GETDEFID to
// DM_REPOSITION, WM_USER to WM_USER + 2).
constexpr UINT WM_TRAYNOTIFY = 0x0790;
constexpr UINT kTrayIconId = 128;

// The tip holds 127 bytes and its terminator; a longer text is cut without
// splitting a character of `codePage` (the ANSI code page: UTF-8 or a
// double-byte one as well as a single-byte one).
std::string FitTrayTip(const std::string& text, unsigned int codePage = kAnsiCodePage);

class TrayIcon {
public:
    using ShellNotify = decltype(&::Shell_NotifyIconA);
    static constexpr UINT kRetryPeriodMs = 2000;
    static constexpr int kRetries = 10;

    // `retryTimerId`: the window timer of the owner that the retries run on,
    // apart from its other timers. `shell` stands in for Shell_NotifyIconA
    // in tests.
    explicit TrayIcon(UINT_PTR retryTimerId, ShellNotify shell = &::Shell_NotifyIconA)
        : retryTimerId_(retryTimerId), shell_(shell)
    {
    }
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shell_NotifyIconA(NIM_ADD); the result is the shell's answer. A refusal
    // (the shell not ready yet, as at logon) starts the retry timer on the
    // owner: every 2 s, at most 10 times, until the shell takes the icon.
    bool Add(ui::Window owner, HICON icon, const std::string& tip);
    // After "TaskbarCreated": the new notification area has no icons.
    bool AddAgain();
    // One retry, for the owner's WM_TIMER; false for other timer ids.
    bool OnTimer(UINT_PTR timerId);
    // Shell_NotifyIconA(NIM_DELETE), once, and no more retries; false when
    // there was nothing to remove.
    bool Remove();

    bool IsShown() const { return shown_; }
    const NOTIFYICONDATAA& Data() const { return data_; }

private:
    void StopRetrying();

    const UINT_PTR retryTimerId_;
    ShellNotify shell_;
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
    int retriesLeft_ = 0;
};
