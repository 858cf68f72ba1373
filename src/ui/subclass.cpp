#include "ui/subclass.h"

namespace ui {

namespace {

// The object is found through a window property: the control's own
// GWLP_USERDATA belongs to the control.
constexpr char kSubclassProperty[] = "Tolvrin.Subclass";
// The procedure that was replaced, kept apart from the object: when a later
// subclass sits on top at release, SubclassProc stays in the chain without an
// object and forwards to it until the window's last message.
constexpr char kPreviousProperty[] = "Tolvrin.Subclass.Previous";

void RemoveProperties(HWND window)
{
    ::RemovePropA(window, kSubclassProperty);
    ::RemovePropA(window, kPreviousProperty);
}

}  // namespace

Subclass::~Subclass()
{
    Detach();
}

bool Subclass::Attach(HWND window)
{
    if (IsAttached() || window == nullptr || !::IsWindow(window)) {
        return false;
    }
    // A second object on the same window would overwrite the property, and
    // its "previous procedure" would be SubclassProc itself: every message the
    // object declined would come straight back to it, without end.
    // The same holds while SubclassProc only forwards under a later subclass.
    if (::GetPropA(window, kSubclassProperty) != nullptr || ::GetPropA(window, kPreviousProperty) != nullptr) {
        return false;
    }
    if (!::SetPropA(window, kSubclassProperty, this)) {
        return false;
    }
    // SetWindowLongPtrA, not SetWindowLongA: a procedure address is 64 bits
    // wide on the 64-bit build.
    const LONG_PTR previous =
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass::SubclassProc));
    if (previous == 0 || !::SetPropA(window, kPreviousProperty, reinterpret_cast<HANDLE>(previous))) {
        if (previous != 0) {
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
        }
        RemoveProperties(window);
        return false;
    }
    previous_ = reinterpret_cast<WNDPROC>(previous);
    Rebind(window);
    return true;
}

void Subclass::Detach()
{
    const HWND window = Handle();
    if (window == nullptr) {
        return;
    }
    if (::IsWindow(window)) {
        // Putting the old procedure back under a later subclass would cut
        // that subclass out of the chain.
        const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
        if (current == &Subclass::SubclassProc) {
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            RemoveProperties(window);
        } else {
            ::RemovePropA(window, kSubclassProperty);
        }
    }
    Rebind(nullptr);
}

LRESULT Subclass::CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(previous_, Handle(), message, wParam, lParam);
}

// noexcept: see Dialog::DialogProc.
LRESULT CALLBACK Subclass::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (auto* self = static_cast<Subclass*>(::GetPropA(window, kSubclassProperty))) {
        return self->HandleMessage(window, message, wParam, lParam);
    }
    // Released under a later subclass: only forward.
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropA(window, kPreviousProperty));
    if (previous == nullptr) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        RemoveProperties(window);
    }
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT Subclass::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Taken before the handler runs: a handler that detaches, or destroys its
    // own window, leaves the object without one.
    const WNDPROC previous = previous_;

    if (message == WM_NCDESTROY) {
        // Give the window back before it is gone, then let its own procedure
        // see its last message.
        LRESULT ignored = 0;
        ProcessMessage(message, wParam, lParam, ignored);
        Detach();
        RemoveProperties(window);
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }

    LRESULT result = 0;
    if (ProcessMessage(message, wParam, lParam, result)) {
        return result;
    }
    // The window's own procedure has seen WM_NCDESTROY already when the
    // handler destroyed the window: nothing may follow its last message.
    if (!IsAttached() && !::IsWindow(window)) {
        return 0;
    }
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace ui
