// The notification-area icon of a run: added when the countdown starts,
// removed when its window goes, and added again when the shell re-creates the
// notification area.
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
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shell_NotifyIconA(NIM_ADD); the result is the shell's answer.
    bool Add(HWND owner, HICON icon, const std::string& tip);
    // After "TaskbarCreated": the new notification area has no icons.
    bool AddAgain();
    // Shell_NotifyIconA(NIM_DELETE), once; false when there was nothing to remove.
    bool Remove();

    bool IsShown() const { return shown_; }
    const NOTIFYICONDATAA& Data() const { return data_; }

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};
