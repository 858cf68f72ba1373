#include "support/app_message_window.h"

namespace test_support {

namespace {

constexpr char kClassName[] = "TolvrinAppMessageWindow";

}  // namespace

AppMessageWindow::AppMessageWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);  // fails harmlessly when already registered
    window_ = ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                                this);
}

AppMessageWindow::~AppMessageWindow()
{
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK AppMessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    } else if (message >= WM_APP) {
        if (auto* self = reinterpret_cast<AppMessageWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA))) {
            self->dispatched_.push_back(message);
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace test_support
