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

// The dialog manager turns Enter into the default button's command (IDOK when
// there is none) unless the focused push button carries the default style,
// which only focus moves through the dialog manager give it: after SetFocus or
// a mouse press dragged off a button, Enter would press another button than
// the focused one. The id of the focused push button that such a command
// stands for, or 0.
int FocusedButtonMeantByEnter(HWND dialog, WPARAM wParam)
{
    if (HIWORD(wParam) != BN_CLICKED) {
        return 0;
    }
    const DWORD defaultId = static_cast<DWORD>(::SendMessageA(dialog, DM_GETDEFID, 0, 0));
    const int enterId = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    const HWND focus = ::GetFocus();
    if (LOWORD(wParam) != enterId || focus == nullptr || ::GetParent(focus) != dialog ||
        (::SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) == 0) {
        return 0;
    }
    const int focusedId = ::GetDlgCtrlID(focus);
    return focusedId != enterId ? focusedId : 0;
}

}  // namespace

Dialog::~Dialog()
{
    if (Handle() != nullptr && ::IsWindow(Handle())) {
        ::SetWindowLongPtrA(Handle(), DWLP_USER, 0);
        Destroy();
    }
}

INT_PTR Dialog::RunModal(int templateId, HWND owner)
{
    modal_ = true;
    const INT_PTR result = ::DialogBoxParamA(TheUiModule().Instance(), MAKEINTRESOURCEA(templateId), owner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
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
        self->Rebind(window);
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        if (const int focusedId = FocusedButtonMeantByEnter(Handle(), wParam)) {
            wParam = MAKEWPARAM(focusedId, BN_CLICKED);
            lParam = reinterpret_cast<LPARAM>(Item(focusedId).Handle());
        }
    }
    LRESULT result = 0;
    const bool handled = ProcessMessage(message, wParam, lParam, result) || EndOnOkOrCancel(message, wParam) ||
                   ReflectNotification(Handle(), message, wParam, lParam, result);

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(Handle(), DWLP_USER, 0);
        Rebind(nullptr);
        OnFinalMessage();
        return FALSE;
    }

    if (!handled) {
        return FALSE;
    }
    if (ReturnsResultDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    // Handle(), not a copy taken before: a handler that destroyed the window
    // has left the object without one.
    ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result);
    return TRUE;
}

// The default of a modal dialog's OK and Cancel (the Esc key and the close
// box come as IDCANCEL too): the dialog ends with the button's id. Only the
// low word counts, as in the message tables.
bool Dialog::EndOnOkOrCancel(UINT message, WPARAM wParam) const
{
    const int id = LOWORD(wParam);
    if (!modal_ || message != WM_COMMAND || (id != IDOK && id != IDCANCEL)) {
        return false;
    }
    End(id);
    return true;
}

}  // namespace ui
