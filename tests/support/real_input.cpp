#include "support/real_input.h"

#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace test_support {

namespace {

constexpr char kXdotool[] = "/usr/bin/xdotool";

using UnixFileNameFunction = char*(CDECL*)(const WCHAR*);

// wine_get_unix_file_name: the Unix path of a Windows path, for the shell
// that runs xdotool. Absent outside Wine.
std::string UnixPathOf(const std::string& windowsPath)
{
    const auto function = reinterpret_cast<UnixFileNameFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (function == nullptr) {
        return std::string();
    }
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = function(wide.c_str());
    if (unixPath == nullptr) {
        return std::string();
    }
    std::string result(unixPath);
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

std::string ReadFileText(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    char buffer[64] = {};
    DWORD read = 0;
    ::ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    ::CloseHandle(file);
    return std::string(buffer, read);
}

// Runs `command` (no double quote in it) in a Unix shell and waits until it
// has finished, letting the test thread's own windows run meanwhile; false
// when it failed or did not finish in time.
bool RunUnixCommand(const std::string& command, DWORD timeoutMs)
{
    const TempFolder folder;
    const std::string done = folder.PathOf("done");
    const std::string unixDone = UnixPathOf(done);
    if (unixDone.empty()) {
        return false;
    }
    // Wine runs a Unix program named on a command line, but the process
    // handle it gives back is signalled at once: the shell leaves a mark when
    // the command has finished, and that is what the test waits for.
    std::string line =
        "/bin/sh -c \"" + command + " && echo ok >'" + unixDone + "' || echo failed >'" + unixDone + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    std::string outcome;
    WaitUntil(
        [&] {
            outcome = ReadFileText(done);
            return outcome.find('\n') != std::string::npos;
        },
        timeoutMs);
    return outcome == "ok\n";
}

}  // namespace

bool CanSendRealInput()
{
    return IsRunningUnderWine() && ::GetFileAttributesA(("Z:" + std::string(kXdotool)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Xdotool(const std::string& arguments, DWORD timeoutMs)
{
    return RunUnixCommand(std::string(kXdotool) + " " + arguments, timeoutMs);
}

bool GiveXFocusTo(HWND window)
{
    // winex11 keeps the X window of a top-level window in this property.
    const HWND topLevel = ::GetAncestor(window, GA_ROOT);
    const auto xWindow = reinterpret_cast<ULONG_PTR>(::GetPropA(topLevel, "__wine_x11_whole_window"));
    if (xWindow == 0) {
        return false;
    }
    // X refuses the focus (BadMatch) until the window is mapped, and --sync
    // waits until X reports the focus where it was asked to go.
    const std::string command =
        "/usr/bin/timeout 2 " + std::string(kXdotool) + " windowfocus --sync " + std::to_string(xWindow);
    return WaitUntil([&] { return RunUnixCommand(command, 3000); }, 10000);
}

bool FirstTrayIconPosition(POINT& position)
{
    HWND tray = ::FindWindowA(nullptr, "Wine System Tray");
    RECT rect{};
    if (tray == nullptr || !::IsWindowVisible(tray) || !::GetWindowRect(tray, &rect)) {
        return false;
    }
    // The icons sit in a row along the bottom of the small window.
    position.x = rect.left + 12;
    position.y = rect.bottom - 13;
    return true;
}

HWND FocusOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

}  // namespace test_support
