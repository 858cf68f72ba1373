#include "ui/dialog.h"

#include "ui/reflection.h"
#include "ui/ui_module.h"

namespace ui {

namespace {

// Messages whose answer a dialog procedure returns directly; for all others the
// answer goes into DWLP_MSGRESULT and the procedure returns TRUE.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

Dialog::~Dialog()
{
    if (hwnd_ != nullptr && ::IsWindow(hwnd_)) {
        ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        ::DestroyWindow(hwnd_);
    }
}

INT_PTR Dialog::RunModal(int templateId, HWND owner)
{
    return ::DialogBoxParamA(TheUiModule().Instance(), MAKEINTRESOURCEA(templateId), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(int templateId, HWND owner)
{
    return ::CreateDialogParamA(TheUiModule().Instance(), MAKEINTRESOURCEA(templateId), owner, DialogProc,
                                reinterpret_cast<LPARAM>(this));
}

// noexcept: an exception must not unwind through the system's code that
// called the procedure; should one escape a handler, the program ends at once.
INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    // The object arrives as the creation parameter; messages before
    // WM_INITDIALOG (WM_SETFONT and the like) get default processing.
    // A WM_INITDIALOG sent by hand with no object leaves the binding alone.
    if (message == WM_INITDIALOG && lParam != 0) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    bool handled = ProcessMessage(message, wParam, lParam, result);
    if (!handled) {
        handled = ReflectNotification(hwnd_, message, wParam, lParam, result);
    }

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        hwnd_ = nullptr;
        OnFinalMessage();
        return FALSE;
    }

    if (!handled) {
        return FALSE;
    }
    if (ReturnsResultDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace ui
