// A message-only window of the test thread that notes the messages from
// WM_APP on dispatched to it: what tests of message loops and pumps check.
#pragma once

#include <windows.h>

#include <vector>

namespace test_support {

class AppMessageWindow {
public:
    AppMessageWindow();
    ~AppMessageWindow();
    AppMessageWindow(const AppMessageWindow&) = delete;
    AppMessageWindow& operator=(const AppMessageWindow&) = delete;

    // Null when the window could not be made.
    HWND Handle() const { return window_; }
    void Post(UINT message) const { ::PostMessageA(window_, message, 0, 0); }
    // The messages from WM_APP on, in the order they were dispatched.
    const std::vector<UINT>& Dispatched() const { return dispatched_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<UINT> dispatched_;
    HWND window_ = nullptr;
};

}  // namespace test_support
