// A non-owning view of a window: its handle with one-line members for the
// calls the program makes on it. Copies are cheap and all refer to the same
// window; none of them destroys it (Destroy() does, when asked). It converts
// from and to an HWND, so that the program's helpers take a view and the
// handles that Win32 hands out (GetDlgItem, callbacks) pass as one.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    Window(HWND window) noexcept : hwnd_(window) {}

    HWND Handle() const noexcept { return hwnd_; }
    // Where a Win32 call wants the handle itself.
    operator HWND() const noexcept { return hwnd_; }
    // False for a null view: a dialog before its window is made and after it is gone.
    bool HasWindow() const noexcept { return hwnd_ != nullptr; }

    // The child with control id `id` (GetDlgItem); a null view when there is none.
    Window Item(int id) const { return Window(::GetDlgItem(hwnd_, id)); }

    // The window that owns this one (GetWindow with GW_OWNER); null for none.
    Window Owner() const { return Window(::GetWindow(hwnd_, GW_OWNER)); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }

    // A timer without a procedure: its WM_TIMER carries `id` to the window.
    // Setting an id that runs already starts its period anew.
    bool SetTimer(UINT_PTR id, UINT periodMs) const { return ::SetTimer(hwnd_, id, periodMs, nullptr) != 0; }
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(hwnd_, id) != FALSE; }

    // The window text; empty when there is none or it cannot be read
    // (ui/window_text.h reads it).
    std::string Text() const;
    bool SetText(const char* text) const { return ::SetWindowTextA(hwnd_, text) != FALSE; }
    bool SetText(const std::string& text) const { return SetText(text.c_str()); }

    LONG_PTR Style() const { return ::GetWindowLongPtrA(hwnd_, GWL_STYLE); }

    bool IsVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    // ShowWindow: true when the window was visible before.
    bool Show(int command) const { return ::ShowWindow(hwnd_, command) != FALSE; }
    bool IsEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
    void Enable(bool enable) const { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }

    // Moves the window in the z-order behind `insertAfter` (or to HWND_TOP,
    // HWND_TOPMOST...) without moving, sizing or activating it.
    bool PlaceInZOrder(HWND insertAfter) const
    {
        return ::SetWindowPos(hwnd_, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
    }
    bool BringToForeground() const { return ::SetForegroundWindow(hwnd_) != FALSE; }

    // The icons must outlive the window, which does not destroy them.
    void SetIcons(HICON bigIcon, HICON smallIcon) const
    {
        Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    }

    // MessageBoxA owned by this window: the button the user chose, 0 on failure.
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) const
    {
        return ::MessageBoxA(hwnd_, text.c_str(), caption.c_str(), type);
    }

    bool Destroy() const { return ::DestroyWindow(hwnd_) != FALSE; }

protected:
    // For the owners built on the view (ui::Dialog, ui::Subclass), which
    // learn their window after construction and lose it at its last message.
    void Rebind(HWND window) noexcept { hwnd_ = window; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace ui
