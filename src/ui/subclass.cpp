#include "ui/subclass.h"

namespace ui {

Subclass::~Subclass()
{
    Detach();
}

bool Subclass::Attach(HWND window)
{
    if (IsAttached() || window == nullptr || !::IsWindow(window)) {
        return false;
    }
    if (!::SetWindowSubclass(window, &Subclass::SubclassProc, Id(), reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    // The window procedure is comctl32's now (unless the chain was there
    // already, with a procedure put on over it since): its form is the form
    // in which the chain hands on messages.
    messagesAreWide_ = ::IsWindowUnicode(window) != FALSE;
    Rebind(window);
    return true;
}

void Subclass::Detach()
{
    const HWND window = Handle();
    if (window == nullptr) {
        return;
    }
    ::RemoveWindowSubclass(window, &Subclass::SubclassProc, Id());
    Rebind(nullptr);
}

LRESULT Subclass::CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefSubclassProc(Handle(), message, wParam, lParam);
}

// noexcept: see Dialog::DialogProc.
LRESULT CALLBACK Subclass::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) noexcept
{
    return reinterpret_cast<Subclass*>(self)->HandleMessage(window, message, wParam, lParam);
}

LRESULT Subclass::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        // Leave the chain before the window is gone, then let the rest of
        // the chain and the window's own procedure see its last message.
        LRESULT ignored = 0;
        ProcessMessage(message, wParam, lParam, ignored);
        Detach();
        return ::DefSubclassProc(window, message, wParam, lParam);
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
    return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace ui
