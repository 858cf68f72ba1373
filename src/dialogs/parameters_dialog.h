// The modal dialog (template 202) in which the user chooses a run when the
// command line does not describe one: the power action, the delay as hours,
// minutes and seconds, and an optional cancel password typed twice.
#pragma once

#include "run/run_parameters.h"
#include "resource.h"
#include "controls/text_label.h"
#include "controls/value_combo_box.h"
#include "dialogs/parameters_choice.h"
#include "dialogs/window_opening.h"
#include "ui/dialog.h"
#include "ui/message_map.h"
#include "base/unique_handle.h"

#include <windows.h>

#include <optional>

class ParametersDialog : public ui::Dialog {
public:
    // OK writes the chosen run into `run`; any other ending leaves it alone.
    explicit ParametersDialog(RunParameters& run);
    ~ParametersDialog() override = default;

    // Runs the dialog modally, centered on `owner` (start-up passes the thread's
    // active window, normally none: then on the work area). IDOK (1) when
    // `run` holds the new run, IDCANCEL (2) when the user left without one,
    // 0 or -1 when it could not be shown.
    INT_PTR Run(HWND owner);

private:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnOk(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnUsePasswordCommand(WPARAM wParam, LPARAM lParam, bool& handled);

    // The controls' contents; nothing when a password box could not be read
    // (the user has heard a beep and has the box in focus).
    std::optional<ParametersChoice> ReadChoice();
    bool ReadPasswordBox(int id, std::wstring& text);
    // Tells the user what is wrong with the choice; the dialog stays open.
    void ShowProblem(ChoiceProblem problem);
    // A message box owned by the dialog, which stays open.
    void ShowMessage(const char* key);
    // Empties the repeat box and selects the password for typing anew.
    void AskToRetypePassword();
    void FillLists();
    void UpdatePasswordControls();

    static constexpr ui::MessageEntry<ParametersDialog> kMessages[] = {
        {WM_INITDIALOG, 0, &ParametersDialog::OnInitDialog},
        {WM_COMMAND, IDOK, &ParametersDialog::OnOk},
        {WM_COMMAND, IDC_USE_PASSWORD, &ParametersDialog::OnUsePasswordCommand},
    };

    RunParameters& run_;
    WindowOpening opening_;
    TextLabel actionLabel_;
    TextLabel timerLabel_;
    base::UniqueBitmap banner_;  // the banner at the screen's DPI, shown by its static
    ValueComboBox actionCombo_;
    ValueComboBox hoursCombo_;
    ValueComboBox minutesCombo_;
    ValueComboBox secondsCombo_;
};
