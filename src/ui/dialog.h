// Base of the program's dialogs, modal and modeless, built from the
// executable's dialog templates. The object binds itself to its window at
// WM_INITDIALOG and sees every later message through ProcessMessage, which a
// concrete dialog implements with its message table.
#pragma once

#include <windows.h>

namespace ui {

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

    // DialogBoxParamA: returns what EndDialog was given, or 0 / -1 on failure.
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

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace ui
