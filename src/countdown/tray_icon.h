// The notification-area icon of a run: added when the countdown starts (and
// retried for a while when the shell is not ready yet), removed when its
// window goes, and added again when the shell re-creates the notification area.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

constexpr UINT WM_TRAYNOTIFY = 0x0790;
constexpr UINT kTrayIconId = 128;

// The tip holds 127 characters and its terminator; a longer text is cut
// without splitting a double-byte character.
std::string FitTrayTip(const std::string& text);

class TrayIcon {
public:
    using ShellNotify = decltype(&::Shell_NotifyIconA);
    // A window timer of the owner; its other timers use other ids.
    static constexpr UINT_PTR kRetryTimerId = 5;
    static constexpr UINT kRetryPeriodMs = 2000;
    static constexpr int kRetries = 10;

    // `shell` stands in for Shell_NotifyIconA in tests.
    explicit TrayIcon(ShellNotify shell = &::Shell_NotifyIconA) : shell_(shell) {}
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shell_NotifyIconA(NIM_ADD); the result is the shell's answer. A refusal
    // (the shell not ready yet, as at logon) starts the retry timer on the
    // owner: every 2 s, at most 10 times, until the shell takes the icon.
    bool Add(HWND owner, HICON icon, const std::string& tip);
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

    ShellNotify shell_;
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
    int retriesLeft_ = 0;
};
