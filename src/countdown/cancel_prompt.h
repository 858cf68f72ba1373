// The password prompt in front of the cancellation of a protected run. The
// prompt's modal loop dispatches the tray icon's messages too, so a second
// cancel request can come while it is open: that one is refused at once
// rather than stacking a second prompt on the first.
#pragma once

#include <windows.h>

#include <string>

#include "skin/skin_config.h"
#include "ui/window.h"

class CancelPrompt {
public:
    // Runs the PasswordDialog for `password`, owned by `owner` and in the
    // skin `skin` shows (null: the system's look): true when the right
    // password was typed; false when the user gave up, or a prompt of this
    // object is open already.
    bool Confirm(const std::string& password, ui::Window owner, const SkinConfig* skin = nullptr);

    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};
