#include "countdown/tray_icon.h"

#include <cstring>

#include "text/ansi_text.h"
#include "ui/window.h"

std::string FitTrayTip(const std::string& text, unsigned int codePage)
{
    constexpr std::size_t kCapacity = sizeof(NOTIFYICONDATAA::szTip) - 1;
    // Not CharNextA: it walks UTF-8 byte by byte and would split a character.
    return text.substr(0, WholeCharactersWithin(text, kCapacity, codePage));
}

bool TrayIcon::Add(ui::Window owner, HICON icon, const std::string& tip)
{
    data_ = NOTIFYICONDATAA{};
    // The version-2 layout: the full record of the 32-bit build is 488 bytes,
    // and the shell accepts this size on every version.
    data_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data_.hWnd = owner;
    data_.uID = kTrayIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = WM_TRAYNOTIFY;
    data_.hIcon = icon;
    const std::string fitted = FitTrayTip(tip);
    std::memcpy(data_.szTip, fitted.c_str(), fitted.size() + 1);
    if (AddAgain()) {
        return true;
    }
    retriesLeft_ = kRetries;
    owner.SetTimer(retryTimerId_, kRetryPeriodMs);
    return false;
}

bool TrayIcon::AddAgain()
{
    if (data_.hWnd == nullptr) {
        return false;
    }
    shown_ = shell_(NIM_ADD, &data_) != FALSE;
    if (shown_) {
        StopRetrying();
    }
    return shown_;
}

bool TrayIcon::OnTimer(UINT_PTR timerId)
{
    if (timerId != retryTimerId_) {
        return false;
    }
    if (retriesLeft_ > 0 && !AddAgain() && --retriesLeft_ > 0) {
        return true;
    }
    StopRetrying();
    return true;
}

void TrayIcon::StopRetrying()
{
    if (data_.hWnd != nullptr) {
        ui::Window(data_.hWnd).KillTimer(retryTimerId_);
    }
    retriesLeft_ = 0;
}

bool TrayIcon::Remove()
{
    StopRetrying();
    if (data_.hWnd == nullptr) {
        return false;
    }
    const bool removed = shell_(NIM_DELETE, &data_) != FALSE;
    data_.hWnd = nullptr;
    shown_ = false;
    return removed;
}
