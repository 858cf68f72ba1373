// A window's device context from GetDC or GetWindowDC, released when its
// owner goes. ReleaseDC needs the window the DC came from, so the owner keeps
// both; a DC from BeginPaint is not one of these (EndPaint ends it).
#pragma once

#include <windows.h>

#include <utility>

namespace base {

class WindowDc {
public:
    // The client area's DC; the null window gives the screen's.
    static WindowDc Client(HWND window) noexcept { return WindowDc(window, ::GetDC(window)); }
    // The whole window's DC, frame and caption included, for painting a border.
    static WindowDc Whole(HWND window) noexcept { return WindowDc(window, ::GetWindowDC(window)); }

    ~WindowDc() { Reset(); }
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
    {
    }
    WindowDc& operator=(WindowDc&& other) noexcept
    {
        if (this != &other) {
            Reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

    void Reset() noexcept
    {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
        window_ = nullptr;
        dc_ = nullptr;
    }

private:
    WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

}  // namespace base
