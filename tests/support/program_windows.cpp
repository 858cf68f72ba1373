#include "support/program_windows.h"

#include "resource.h"
#include "support/window_finder.h"
#include "ui/placement.h"

namespace test_support {

HWND WaitForCountdownWindow(DWORD processId, DWORD timeoutMs)
{
    return WaitForDialog(
        processId,
        [](HWND dialog) { return ::GetDlgItem(dialog, IDC_INFO) != nullptr && ::GetDlgItem(dialog, IDC_HIDE) != nullptr; },
        timeoutMs);
}

HWND WaitForParametersDialog(DWORD processId, DWORD timeoutMs)
{
    return WaitForVisibleDialogWithControl(processId, IDC_ACTION, timeoutMs);
}

HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs)
{
    // The parameters dialog has a password box too, but no action list.
    return WaitForDialog(
        processId,
        [](HWND dialog) {
            return ::GetDlgItem(dialog, IDC_PASSWORD) != nullptr && ::GetDlgItem(dialog, IDC_ACTION) == nullptr &&
                   ::IsWindowVisible(dialog);
        },
        timeoutMs);
}

void TypePassword(HWND prompt, const std::string& text)
{
    SetControlText(::GetDlgItem(prompt, IDC_PASSWORD), text);
}

DWORD ExitCodeAfterCommand(ProgramProcess& program, HWND dialog, int commandId, DWORD timeoutMs)
{
    PostCommand(dialog, commandId);
    return program.WaitForExit(timeoutMs);
}

DWORD ExitCodeAfterPassword(ProgramProcess& program, HWND prompt, const std::string& password, DWORD timeoutMs)
{
    TypePassword(prompt, password);
    return ExitCodeAfterCommand(program, prompt, IDOK, timeoutMs);
}

bool IsShownAtBottomRight(HWND window)
{
    if (!::IsWindowVisible(window)) {
        return false;
    }
    const RECT rect = ui::WindowRect(window);
    const RECT area = ui::WorkArea();
    return rect.right == area.right && rect.bottom <= area.bottom && rect.bottom > area.bottom - 5;
}

}  // namespace test_support
