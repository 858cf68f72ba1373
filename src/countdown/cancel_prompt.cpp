#include "countdown/cancel_prompt.h"

#include "dialogs/password_dialog.h"

bool CancelPrompt::Confirm(const std::string& password, HWND owner)
{
    if (open_) {
        return false;
    }
    open_ = true;
    PasswordDialog prompt(password);
    const INT_PTR answer = prompt.Run(owner);
    open_ = false;
    return answer == IDOK;
}
