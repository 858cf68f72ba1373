#include "support/program_windows.h"

#include "resource.h"
#include "support/window_finder.h"

namespace test_support {

HWND WaitForCountdownWindow(DWORD processId, DWORD timeoutMs)
{
    return WaitForWindow(
        processId,
        [](HWND window) {
            return ClassName(window) == kDialogClass && ::GetDlgItem(window, IDC_INFO) != nullptr &&
                   ::GetDlgItem(window, IDC_HIDE) != nullptr;
        },
        timeoutMs);
}

HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs)
{
    // The parameters dialog has a password box too, but no action list.
    return WaitForWindow(
        processId,
        [](HWND window) {
            return ClassName(window) == kDialogClass && ::GetDlgItem(window, IDC_PASSWORD) != nullptr &&
                   ::GetDlgItem(window, IDC_ACTION) == nullptr && ::IsWindowVisible(window);
        },
        timeoutMs);
}

void TypePassword(HWND prompt, const std::string& text)
{
    SetControlText(::GetDlgItem(prompt, IDC_PASSWORD), text);
}

}  // namespace test_support
