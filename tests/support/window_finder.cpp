#include "support/window_finder.h"

#include "support/message_pump.h"

#include <vector>

namespace test_support {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* collected = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(context);
    if (ProcessOfWindow(window) == collected->first) {
        collected->second->push_back(window);
    }
    return TRUE;
}

}  // namespace

DWORD ProcessOfWindow(HWND window)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> windows;
    std::pair<DWORD, std::vector<HWND>*> context{processId, &windows};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
    return windows;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount() - start >= timeoutMs) {
            return false;
        }
        // Let windows of the test's own thread run while it waits.
        PumpPendingMessages();
        ::Sleep(10);
    }
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& predicate, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(processId)) {
                if (predicate(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND WaitForDialog(DWORD processId, const std::function<bool(HWND)>& predicate, DWORD timeoutMs)
{
    return WaitForWindow(
        processId, [&predicate](HWND window) { return ClassName(window) == kDialogClass && predicate(window); },
        timeoutMs);
}

HWND WaitForDialogWithControl(DWORD processId, int controlId, DWORD timeoutMs)
{
    return WaitForDialog(
        processId, [controlId](HWND dialog) { return ::GetDlgItem(dialog, controlId) != nullptr; }, timeoutMs);
}

HWND WaitForOwnedWindow(DWORD processId, HWND owner, DWORD timeoutMs)
{
    return WaitForWindow(
        processId,
        [owner](HWND window) { return ::GetWindow(window, GW_OWNER) == owner && ::IsWindowVisible(window); },
        timeoutMs);
}

HWND WaitForVisibleDialogWithControl(DWORD processId, int controlId, DWORD timeoutMs)
{
    return WaitForDialog(
        processId,
        [controlId](HWND dialog) { return ::GetDlgItem(dialog, controlId) != nullptr && ::IsWindowVisible(dialog); },
        timeoutMs);
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    return WaitForVisibleDialogWithControl(processId, kMessageBoxTextId, timeoutMs);
}

std::string MessageBoxText(HWND messageBox)
{
    return ControlText(::GetDlgItem(messageBox, kMessageBoxTextId));
}

namespace {

bool IsMessageBoxOwnedBy(HWND window, HWND owner)
{
    return ClassName(window) == kDialogClass && ::GetWindow(window, GW_OWNER) == owner &&
           ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

BOOL CALLBACK MatchOwnedMessageBox(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(context);
    if (!IsMessageBoxOwnedBy(window, search->first)) {
        return TRUE;
    }
    search->second = window;
    return FALSE;
}

}  // namespace

HWND FindMessageBoxOwnedBy(HWND owner)
{
    std::pair<HWND, HWND> search{owner, nullptr};
    ::EnumThreadWindows(::GetWindowThreadProcessId(owner, nullptr), MatchOwnedMessageBox,
                        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

MessageBoxAnswer AnswerMessageBox(HWND messageBox)
{
    MessageBoxAnswer answer{true, MessageBoxText(messageBox), ControlText(messageBox)};
    ::SendMessageA(messageBox, WM_COMMAND, IDOK, 0);
    return answer;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    return WaitUntil([window] { return !::IsWindow(window); }, timeoutMs);
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::wstring ControlTextW(HWND window)
{
    const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void SetControlTextW(HWND window, const std::wstring& text)
{
    ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::wstring> MenuTextsW(HWND menuWindow)
{
    std::vector<std::wstring> texts;
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const int count = menu != nullptr ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 512, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

std::string ControlText(HWND window)
{
    const LRESULT length = ::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        ::SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void SetControlText(HWND window, const std::string& text)
{
    ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PostClick(HWND dialog, int controlId)
{
    ::PostMessageA(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void PostCommand(HWND dialog, int commandId)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), 0);
}

}  // namespace test_support
