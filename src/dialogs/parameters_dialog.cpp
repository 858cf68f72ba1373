#include "dialogs/parameters_dialog.h"

#include "controls/dpi_bitmap.h"
#include "dialogs/delay_fields.h"
#include "lang/language_table.h"
#include "text/decimal_text.h"
#include "text/wide_text.h"
#include "ui/placement.h"
#include "ui/ui_module.h"
#include "ui/window_text.h"

#include <cstdint>
#include <string>

namespace {

struct ActionItem {
    const char* key;
    const char* value;
};

// List order is screen order (the combo box is not sorted); the values are the
// numbers of ShutdownAction.
constexpr ActionItem kActionItems[] = {
    {"_cbstandby", "0"},       {"_cbHibernate", "1"},      {"_cbShutdownpc", "2"},
    {"_cbLogoffWindows", "3"}, {"_cbRestartWindows", "4"}, {"_cbPowerOffPC", "5"},
};

// The password boxes and their labels, in the order they are enabled.
constexpr int kPasswordControls[] = {IDC_PASSWORD, IDC_PASSWORD_REPEAT, IDC_PASSWORD_LABEL,
                                     IDC_PASSWORD_REPEAT_LABEL};

std::string LanguageText(const char* key)
{
    return TheLanguageTable().Lookup(key, true);
}

void FillNumbers(ValueComboBox& combo, int last)
{
    for (int n = 0; n <= last; ++n) {
        const std::string number = std::to_string(n);
        combo.AddItem(number, number);
    }
}

}  // namespace

ParametersDialog::ParametersDialog(RunParameters& run) : run_(run) {}

INT_PTR ParametersDialog::Run(HWND owner)
{
    return RunModal(IDD_PARAMETERS, owner);
}

bool ParametersDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return ui::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result);
}

LRESULT ParametersDialog::OnInitDialog(WPARAM, LPARAM, bool&)
{
    ApplySkin();
    CenterOnOwnerOrWorkArea();
    TheLanguageTable().TranslateWindow(Handle());
    // LoadIconA gives a shared icon: it must not be destroyed.
    const HICON icon = ::LoadIconA(ui::TheUiModule().Instance(), MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ShowBitmapAtScreenDpi(Item(IDC_BANNER), banner_);

    ExchangeData(Direction::ToControls);
    // After the translation, so that the labels take over the translated texts.
    actionLabel_.Attach(Item(IDC_ACTION_LABEL));
    timerLabel_.Attach(Item(IDC_TIMER_LABEL));
    FillLists();

    // Setting the text of a ValueComboBox selects the first item that begins
    // with it: a shutdown after one hour unless the user chooses otherwise.
    ::SetWindowTextA(actionCombo_.Handle(), LanguageText("_cbShutdownpc").c_str());
    ::SetWindowTextA(hoursCombo_.Handle(), "1");
    ::SetWindowTextA(minutesCombo_.Handle(), "0");
    ::SetWindowTextA(secondsCombo_.Handle(), "0");

    usePassword_ = 0;
    ExchangeData(Direction::ToControls);
    UpdatePasswordControls();
    // No focus set here: the dialog manager gives it to the first tab stop,
    // the OK button.
    return 0;
}

void ParametersDialog::CenterOnOwnerOrWorkArea()
{
    ui::CenterWindow(Handle(), ::GetWindow(Handle(), GW_OWNER));
}

void ParametersDialog::FillLists()
{
    FillNumbers(hoursCombo_, 23);
    FillNumbers(minutesCombo_, 59);
    FillNumbers(secondsCombo_, 59);
    for (const ActionItem& item : kActionItems) {
        actionCombo_.AddItem(LanguageText(item.key), item.value);
    }
}

void ParametersDialog::ExchangeData(Direction direction)
{
    if (direction == Direction::ToControls) {
        // Attached once; their window procedures are replaced until the
        // combo boxes get WM_NCDESTROY.
        if (!actionCombo_.IsAttached()) actionCombo_.AttachTo(Handle(), IDC_ACTION);
        if (!hoursCombo_.IsAttached()) hoursCombo_.AttachTo(Handle(), IDC_HOURS);
        if (!minutesCombo_.IsAttached()) minutesCombo_.AttachTo(Handle(), IDC_MINUTES);
        if (!secondsCombo_.IsAttached()) secondsCombo_.AttachTo(Handle(), IDC_SECONDS);
    }

    const HWND check = Item(IDC_USE_PASSWORD);
    if (direction == Direction::ToControls) {
        if (usePassword_ < BST_UNCHECKED || usePassword_ > BST_INDETERMINATE) {
            usePassword_ = BST_UNCHECKED;
        }
        ::SendMessageA(check, BM_SETCHECK, static_cast<WPARAM>(usePassword_), 0);
    } else {
        usePassword_ = static_cast<int>(::SendMessageA(check, BM_GETCHECK, 0, 0));
    }

    if (ExchangeText(IDC_PASSWORD, passwordText_, direction)) {
        ExchangeText(IDC_PASSWORD_REPEAT, passwordRepeatText_, direction);
    }
}

bool ParametersDialog::ExchangeText(int editId, std::wstring& text, Direction direction)
{
    bool complete = false;
    if (direction == Direction::ToControls) {
        complete = ::SetDlgItemTextW(Handle(), editId, text.c_str()) != FALSE;
    } else {
        complete = ReadWindowTextW(Item(editId), text);
    }
    if (!complete) {
        ::MessageBeep(0xFFFFFFFF);
        FocusControl(editId);
    }
    return complete;
}

void ParametersDialog::UpdatePasswordControls()
{
    if (!::IsWindowEnabled(Item(IDC_USE_PASSWORD))) {
        for (const int id : kPasswordControls) {
            ::EnableWindow(Item(id), FALSE);
        }
        return;
    }
    ExchangeData(Direction::ToMembers);
    // Only enabled or disabled, never hidden: what was typed stays in the boxes.
    for (const int id : kPasswordControls) {
        ::EnableWindow(Item(id), usePassword_ != BST_UNCHECKED);
    }
}

void ParametersDialog::FocusControl(int id)
{
    // WM_NEXTDLGCTL rather than SetFocus: the dialog manager then also moves
    // the default-button outline away from a button that loses the focus.
    ::SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

LRESULT ParametersDialog::OnOk(WPARAM, LPARAM, bool&)
{
    ExchangeData(Direction::ToMembers);
    std::string password;
    if (usePassword_ != BST_UNCHECKED) {
        if (passwordText_.empty() && passwordRepeatText_.empty()) {
            // The user asked for protection: an empty password would give none.
            ShowMessage("_EmptyPsw");
            FocusControl(IDC_PASSWORD);
            return 0;
        }
        if (passwordText_ != passwordRepeatText_) {
            ShowMessage("_PswsNotMatched");
            AskToRetypePassword();
            return 0;
        }
        // The run keeps its password in the ANSI code page: a character it
        // cannot hold would become "?", and typing "?" would cancel the run.
        if (!ToCodePageExactly(passwordText_, password)) {
            ShowMessage("_PswNotInCodePage");
            AskToRetypePassword();
            return 0;
        }
    }
    StoreRun(password);
    ::EndDialog(Handle(), IDOK);
    return 0;
}

void ParametersDialog::AskToRetypePassword()
{
    passwordRepeatText_.clear();
    ExchangeData(Direction::ToControls);
    FocusControl(IDC_PASSWORD);
    ::SendMessageA(Item(IDC_PASSWORD), EM_SETSEL, 0, -1);
}

void ParametersDialog::ShowMessage(const char* key)
{
    ::MessageBoxA(Handle(), LanguageText(key).c_str(), LanguageText("_AppName").c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ParametersDialog::StoreRun(const std::string& password)
{
    // A drop-down list's window text is its selected item's text.
    const std::string action = actionCombo_.ValueOf(WindowText(actionCombo_.Handle()));
    run_.action = static_cast<ShutdownAction>(ReadDecimal(action));
    run_.delaySeconds = DelayFromFields(WindowText(hoursCombo_.Handle()), WindowText(minutesCombo_.Handle()),
                                        WindowText(secondsCombo_.Handle()));
    run_.password = password;
}

LRESULT ParametersDialog::OnCancel(WPARAM, LPARAM, bool&)
{
    ::EndDialog(Handle(), IDCANCEL);
    return 0;
}

LRESULT ParametersDialog::OnUsePasswordCommand(WPARAM wParam, LPARAM, bool& handled)
{
    if (HIWORD(wParam) != BN_CLICKED) {
        handled = false;
        return 0;
    }
    UpdatePasswordControls();
    return 0;
}
