#include "countdown/cancel_prompt.h"

#include "dialogs/password_dialog.h"

bool CancelPrompt::Confirm(const std::string& password, ui::Window owner, const SkinConfig* skin)
{
    if (open_) {
        return false;
    }
    open_ = true;
    PasswordDialog prompt(password, skin);
    const INT_PTR answer = prompt.Run(owner);
    open_ = false;
    return answer == IDOK;
}
