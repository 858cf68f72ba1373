// The prompt that guards the cancellation of a password-protected run: it
// ends with IDOK only once the exact password has been typed. It shows the
// skin of the window it opens from, so that a dark countdown does not open a
// bright prompt.
#pragma once

#include <string>
#include <utility>

#include "dialogs/window_opening.h"
#include "skin/skin_config.h"
#include "ui/dialog.h"

// True when `typed` (the box's text) is `password` (ANSI code page), byte
// for byte; `typedInCodePage` receives the typed text in the code page, or
// nothing when a character of it has no place there: such a text never
// matches.
bool IsThePassword(const std::wstring& typed, const std::string& password, std::string& typedInCodePage,
                   unsigned int codePage = 0);

class PasswordDialog : public ui::Dialog {
public:
    // `skin`: the configuration of the window the prompt opens from (it must
    // outlive the prompt); null keeps the system's look.
    explicit PasswordDialog(std::string password, const SkinConfig* skin = nullptr)
        : password_(std::move(password)), skinConfig_(skin)
    {
    }

    // Runs the prompt modally: IDOK for the right password, IDCANCEL when the
    // user gave up, 0 or -1 when it could not be shown.
    INT_PTR Run(HWND owner);

    // The last text typed, in the ANSI code page ("" if it did not fit it).
    const std::string& EnteredText() const { return enteredText_; }

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnOk(WPARAM wParam, LPARAM lParam, bool& handled);

    void RejectEntry();

    const std::string password_;
    const SkinConfig* skinConfig_;
    WindowOpening opening_;
    std::string enteredText_;
};
