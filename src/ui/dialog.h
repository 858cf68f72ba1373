// Base of the program's dialogs, modal and modeless, built from the
// executable's dialog templates. The object binds itself to its window at
// WM_INITDIALOG and sees every later message through ProcessMessage, which a
// concrete dialog implements with its message table. As a ui::Window it is
// the view of that window while it has one, and a null view before and after.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace ui {

class Dialog : public Window {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // DialogBoxParamA: returns what EndDialog was given, or 0 / -1 on failure.
    // OK and Cancel commands that the dialog does not handle itself end it
    // with IDOK and IDCANCEL.
    INT_PTR RunModal(int templateId, HWND owner);
    // CreateDialogParamA: returns the window, or null on failure.
    HWND CreateModeless(int templateId, HWND owner);

protected:
    Dialog() = default;
    // A modeless window still open here is destroyed without this object
    // seeing its last messages: derived classes that must see WM_DESTROY
    // destroy their window in their own destructor.
    virtual ~Dialog();

    // True when the message was handled; `result` is then the answer.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    // Called after WM_NCDESTROY, when the object no longer has a window.
    virtual void OnFinalMessage() {}

    // The dialog manager's keys for a modeless dialog (IsDialogMessageA: Tab,
    // Enter, Esc, mnemonics), offered each message of the thread's loop; true
    // when the dialog took the message, which is then not dispatched.
    bool TakeDialogKeys(MSG& message) const { return ::IsDialogMessageA(Handle(), &message) != FALSE; }

    // Ends a modal dialog: RunModal returns `result`.
    void End(INT_PTR result) const { ::EndDialog(Handle(), result); }
    // Moves the focus to control `id` by WM_NEXTDLGCTL rather than SetFocus:
    // the dialog manager then also moves the default-button outline, so that
    // Enter presses the focused button and not the one that lost the focus.
    void FocusControl(int id) const { Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id).Handle()), TRUE); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool EndOnOkOrCancel(UINT message, WPARAM wParam) const;
    // The binding is the dialog procedure's alone.
    using Window::Rebind;

    // From RunModal's start to its return.
    bool modal_ = false;
};

}  // namespace ui
