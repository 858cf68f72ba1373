#include "dialogs/parameters_dialog.h"

#include "controls/dpi_bitmap.h"
#include "lang/language_table.h"
#include "ui/window_text.h"

#include <string>

namespace {

struct ActionItem {
    const char* key;
    ShutdownAction action;
};

// List order is screen order (the combo box is not sorted).
constexpr ActionItem kActionItems[] = {
    {"_cbstandby", ShutdownAction::Standby},       {"_cbHibernate", ShutdownAction::Hibernate},
    {"_cbShutdownpc", ShutdownAction::Shutdown},   {"_cbLogoffWindows", ShutdownAction::Logoff},
    {"_cbRestartWindows", ShutdownAction::Restart}, {"_cbPowerOffPC", ShutdownAction::PowerOff},
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
        combo.AddItem(std::to_string(n), n);
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
    opening_.Open(*this, Owner());
    ShowBitmapAtScreenDpi(Item(IDC_BANNER), banner_);

    // Their window procedures are replaced until the controls get WM_NCDESTROY.
    actionCombo_.AttachTo(*this, IDC_ACTION);
    hoursCombo_.AttachTo(*this, IDC_HOURS);
    minutesCombo_.AttachTo(*this, IDC_MINUTES);
    secondsCombo_.AttachTo(*this, IDC_SECONDS);
    // After the translation, so that the labels take over the translated texts.
    actionLabel_.Attach(Item(IDC_ACTION_LABEL));
    timerLabel_.Attach(Item(IDC_TIMER_LABEL));
    FillLists();

    // Setting the text of a ValueComboBox selects the first item that begins
    // with it: a shutdown after one hour unless the user chooses otherwise.
    actionCombo_.SetText(LanguageText("_cbShutdownpc"));
    hoursCombo_.SetText("1");
    minutesCombo_.SetText("0");
    secondsCombo_.SetText("0");

    UpdatePasswordControls();
    // No focus set here: the dialog manager gives it to the first tab stop,
    // the OK button.
    return 0;
}

void ParametersDialog::FillLists()
{
    FillNumbers(hoursCombo_, 23);
    FillNumbers(minutesCombo_, 59);
    FillNumbers(secondsCombo_, 59);
    for (const ActionItem& item : kActionItems) {
        actionCombo_.AddItem(LanguageText(item.key), static_cast<LPARAM>(item.action));
    }
}

void ParametersDialog::UpdatePasswordControls()
{
    const ui::Window check = Item(IDC_USE_PASSWORD);
    const bool enable = check.IsEnabled() && check.Send(BM_GETCHECK) != BST_UNCHECKED;
    // Only enabled or disabled, never hidden: what was typed stays in the boxes.
    for (const int id : kPasswordControls) {
        Item(id).Enable(enable);
    }
}

LRESULT ParametersDialog::OnOk(WPARAM, LPARAM, bool&)
{
    const std::optional<ParametersChoice> choice = ReadChoice();
    if (!choice) {
        return 0;
    }
    const ChoiceProblem problem = CheckChoice(*choice, run_);
    if (problem != ChoiceProblem::None) {
        ShowProblem(problem);
        return 0;
    }
    End(IDOK);
    return 0;
}

std::optional<ParametersChoice> ParametersDialog::ReadChoice()
{
    ParametersChoice choice;
    // The user cannot clear the list's selection; none would read as the
    // first action, as the empty text of an empty selection always did.
    choice.action = static_cast<ShutdownAction>(actionCombo_.SelectedValue().value_or(0));
    // A drop-down list's window text is its selected item's text.
    choice.hours = hoursCombo_.Text();
    choice.minutes = minutesCombo_.Text();
    choice.seconds = secondsCombo_.Text();
    choice.usePassword = Item(IDC_USE_PASSWORD).Send(BM_GETCHECK) != BST_UNCHECKED;
    if (choice.usePassword && (!ReadPasswordBox(IDC_PASSWORD, choice.password) ||
                               !ReadPasswordBox(IDC_PASSWORD_REPEAT, choice.passwordRepeat))) {
        return std::nullopt;
    }
    return choice;
}

bool ParametersDialog::ReadPasswordBox(int id, std::wstring& text)
{
    if (ReadWindowTextW(Item(id), text)) {
        return true;
    }
    ::MessageBeep(0xFFFFFFFF);
    FocusControl(id);
    return false;
}

void ParametersDialog::ShowProblem(ChoiceProblem problem)
{
    switch (problem) {
    case ChoiceProblem::EmptyPassword:
        ShowMessage("_EmptyPsw");
        FocusControl(IDC_PASSWORD);
        break;
    case ChoiceProblem::PasswordsDiffer:
        ShowMessage("_PswsNotMatched");
        AskToRetypePassword();
        break;
    case ChoiceProblem::PasswordNotInCodePage:
        ShowMessage("_PswNotInCodePage");
        AskToRetypePassword();
        break;
    case ChoiceProblem::None:
        break;
    }
}

void ParametersDialog::AskToRetypePassword()
{
    Item(IDC_PASSWORD_REPEAT).SetText("");
    FocusControl(IDC_PASSWORD);
    Item(IDC_PASSWORD).Send(EM_SETSEL, 0, -1);
}

void ParametersDialog::ShowMessage(const char* key)
{
    ShowMessageBox(LanguageText(key), LanguageText("_AppName"), MB_OK | MB_ICONEXCLAMATION);
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
