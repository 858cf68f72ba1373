#include "dialogs/password_dialog.h"

#include "lang/language_table.h"
#include "ui/window_text.h"
#include "text/wide_text.h"
#include "resource.h"
#include "ui/message_map.h"

bool IsThePassword(const std::wstring& typed, const std::string& password, std::string& typedInCodePage,
                   unsigned int codePage)
{
    // A character that the code page cannot hold matches nothing: converted
    // with a default character it would read "?", which the password may hold.
    if (!ToCodePageExactly(typed, typedInCodePage, codePage)) {
        return false;
    }
    // Byte for byte: letter case and spaces count.
    return typedInCodePage == password;
}

INT_PTR PasswordDialog::Run(HWND owner)
{
    return RunModal(IDD_PASSWORD, owner);
}

bool PasswordDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    static constexpr ui::MessageEntry<PasswordDialog> kMessages[] = {
        {WM_INITDIALOG, 0, &PasswordDialog::OnInitDialog},
        {WM_COMMAND, IDOK, &PasswordDialog::OnOk},
    };
    return ui::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result);
}

LRESULT PasswordDialog::OnInitDialog(WPARAM, LPARAM, bool&)
{
    // Centred on the screen, clamped to the work area, whatever it opens from.
    opening_.Open(*this, ::GetDesktopWindow(), skinConfig_);
    // No focus of our own: the dialog manager gives it to the password box,
    // the first tab stop.
    return FALSE;
}

LRESULT PasswordDialog::OnOk(WPARAM, LPARAM, bool&)
{
    const ui::Window edit = Item(IDC_PASSWORD);
    std::wstring typed;
    if (!ReadWindowTextW(edit, typed)) {
        ::MessageBeep(0xFFFFFFFF);
        ::SetFocus(edit);
    }

    if (IsThePassword(typed, password_, enteredText_)) {
        End(IDOK);
    } else {
        RejectEntry();
    }
    return 0;
}

void PasswordDialog::RejectEntry()
{
    const LanguageTable& language = TheLanguageTable();
    ShowMessageBox(language.Lookup("_InvalidPsw", true), language.Lookup("_AppName", true),
                   MB_OK | MB_ICONEXCLAMATION);
    enteredText_.clear();
    const ui::Window edit = Item(IDC_PASSWORD);
    edit.SetText("");
    ::SetFocus(edit);
}
