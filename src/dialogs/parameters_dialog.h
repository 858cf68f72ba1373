// The modal dialog (template 202) in which the user chooses a run when the
// command line does not describe one: the power action, the delay as hours,
// minutes and seconds, and an optional cancel password typed twice.
#pragma once

#include "run/run_parameters.h"
#include "resource.h"
#include "controls/text_label.h"
#include "controls/value_combo_box.h"
#include "skin/skin_activation.h"
#include "ui/dialog.h"
#include "ui/message_map.h"
#include "base/unique_handle.h"
#include "ui/window_icons.h"

#include <windows.h>

#include <string>

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
    enum class Direction { ToControls, ToMembers };

    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnOk(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnUsePasswordCommand(WPARAM wParam, LPARAM lParam, bool& handled);

    // The skin engine, where one is installed, takes the dialog over first,
    // before it is centered and translated.
    void ApplySkin() { skin_.Activate(Handle()); }
    void CenterOnOwnerOrWorkArea();
    void FillLists();

    // Copies between the controls and the members below, in either direction.
    void ExchangeData(Direction direction);
    bool ExchangeText(int editId, std::wstring& text, Direction direction);
    void UpdatePasswordControls();
    // A message box owned by the dialog, which stays open.
    void ShowMessage(const char* key);
    // Empties the repeat box and selects the password for typing anew.
    void AskToRetypePassword();
    // `password`: the password in the ANSI code page, empty for none.
    void StoreRun(const std::string& password);

    static constexpr ui::MessageEntry<ParametersDialog> kMessages[] = {
        {WM_INITDIALOG, 0, &ParametersDialog::OnInitDialog},
        {WM_COMMAND, IDOK, &ParametersDialog::OnOk},
        {WM_COMMAND, IDC_USE_PASSWORD, &ParametersDialog::OnUsePasswordCommand},
    };

    RunParameters& run_;
    SkinActivation skin_;
    TextLabel actionLabel_;
    TextLabel timerLabel_;
    ui::UniqueBitmap banner_;  // the banner at the screen's DPI, shown by its static
    ui::WindowIcons icons_;
    ValueComboBox actionCombo_;
    ValueComboBox hoursCombo_;
    ValueComboBox minutesCombo_;
    ValueComboBox secondsCombo_;
    int usePassword_ = 0;  // check state of the password box: 0, 1 or 2
    // As typed, in UTF-16: converted to the ANSI code page only when stored,
    // and refused when that would lose a character.
    std::wstring passwordText_;
    std::wstring passwordRepeatText_;
};
