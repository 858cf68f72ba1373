// Takes over the messages of an existing window (a control of a dialog
// template) through comctl32's subclass chain (SetWindowSubclass), the one
// the skin engine uses too: messages the object does not handle go on down
// the chain; on the window's last message, WM_NCDESTROY, the object leaves
// the chain before the window is gone. The chain survives subclasses put on
// later and taken off in any order, so several objects may take one window.
// As a ui::Window it is the view of the window while attached.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/window.h"

namespace ui {

class Subclass : public Window {
public:
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // Joins the window's subclass chain, on top. False when that failed, or
    // when this object has a window already; the window then keeps its own
    // behaviour.
    bool Attach(HWND window);
    // Stops handling messages: leaves the chain, wherever in it the object is.
    void Detach();

    bool IsAttached() const { return Handle() != nullptr; }

protected:
    Subclass() = default;
    virtual ~Subclass();

    // True when the message was handled; `result` is then the answer.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    // Hands the message on down the chain (DefSubclassProc), with its text in
    // the form the message came in. Only while handling a message, and once
    // for it: comctl32 keeps one place in the chain per message, and Wine's
    // goes on from where the first call left it.
    LRESULT CallPreviousProcedure(UINT message, WPARAM wParam, LPARAM lParam);

    // Whether the text that messages carry (WM_SETTEXT's, CB_SELECTSTRING's)
    // comes in UTF-16. comctl32's chain hands every subclass the messages
    // in the form of its own window procedure, which on Windows is the
    // Unicode one even on a window made by the ANSI calls (Wine keeps the
    // window's form): a handler reads text by this, never by the call it was
    // sent with. Taken when the object attaches.
    bool MessagesAreWide() const { return messagesAreWide_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self) noexcept;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The object's place in the chain: comctl32 tells subclasses apart by
    // procedure and id, and every object has the same procedure.
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    // The binding is Attach's and Detach's alone.
    using Window::Rebind;

    bool messagesAreWide_ = false;
};

}  // namespace ui
