// Takes over the window procedure of an existing window (a control of a
// dialog template). Messages the object does not handle go to the procedure it
// replaced; on the window's last message, WM_NCDESTROY, the old procedure is
// put back before the window is gone. Released while another subclass sits on
// top, it leaves the chain as it is and only forwards until WM_NCDESTROY.
// As a ui::Window it is the view of the window while attached.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace ui {

class Subclass : public Window {
public:
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // Replaces the window's procedure. False when it could not be replaced,
    // or when another Subclass object has the window already; the window then
    // keeps its own behaviour.
    bool Attach(HWND window);
    // Stops handling messages. The window gets its procedure back if it is
    // still this object's; under a later subclass the messages pass through
    // to the replaced procedure until the window is gone.
    void Detach();

    bool IsAttached() const { return Handle() != nullptr; }

protected:
    Subclass() = default;
    virtual ~Subclass();

    // True when the message was handled; `result` is then the answer.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    LRESULT CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The binding is Attach's and Detach's alone.
    using Window::Rebind;

    WNDPROC previous_ = ::DefWindowProcA;
};

}  // namespace ui
