#include "ui/subclass.h"

namespace ui {

namespace {

// The object is found through a window property: the control's own
// GWLP_USERDATA belongs to the control.
constexpr char kSubclassProperty[] = "Tolvrin.Subclass";

}  // namespace

Subclass::~Subclass()
{
    Detach();
}

bool Subclass::Attach(HWND window)
{
    if (hwnd_ != nullptr || window == nullptr || !::IsWindow(window)) {
        return false;
    }
    // A second object on the same window would overwrite the property, and
    // its "previous procedure" would be SubclassProc itself: every message the
    // object declined would come straight back to it, without end.
    if (::GetPropA(window, kSubclassProperty) != nullptr) {
        return false;
    }
    if (!::SetPropA(window, kSubclassProperty, this)) {
        return false;
    }
    // SetWindowLongPtrA, not SetWindowLongA: a procedure address is 64 bits
    // wide on the 64-bit build.
    const LONG_PTR previous =
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass::SubclassProc));
    if (previous == 0) {
        ::RemovePropA(window, kSubclassProperty);
        return false;
    }
    previous_ = reinterpret_cast<WNDPROC>(previous);
    hwnd_ = window;
    return true;
}

void Subclass::Detach()
{
    if (hwnd_ == nullptr) {
        return;
    }
    if (::IsWindow(hwnd_)) {
        const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
        if (current == &Subclass::SubclassProc) {
            ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        }
        ::RemovePropA(hwnd_, kSubclassProperty);
    }
    hwnd_ = nullptr;
}

LRESULT Subclass::CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(previous_, hwnd_, message, wParam, lParam);
}

// noexcept: see Dialog::DialogProc.
LRESULT CALLBACK Subclass::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* self = static_cast<Subclass*>(::GetPropA(window, kSubclassProperty));
    if (self == nullptr) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT Subclass::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Taken before the handler runs: a handler that detaches, or destroys its
    // own window, leaves hwnd_ null.
    const WNDPROC previous = previous_;

    if (message == WM_NCDESTROY) {
        // Give the window back before it is gone, then let its own procedure
        // see its last message.
        LRESULT ignored = 0;
        ProcessMessage(message, wParam, lParam, ignored);
        Detach();
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }

    LRESULT result = 0;
    if (ProcessMessage(message, wParam, lParam, result)) {
        return result;
    }
    // The window's own procedure has seen WM_NCDESTROY already when the
    // handler destroyed the window: nothing may follow its last message.
    if (hwnd_ == nullptr && !::IsWindow(window)) {
        return 0;
    }
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace ui
