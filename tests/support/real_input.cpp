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

}  // namespace

bool CanSendRealInput()
{
    return IsRunningUnderWine() && ::GetFileAttributesA(("Z:" + std::string(kXdotool)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Xdotool(const std::string& arguments, DWORD timeoutMs)
{
    const TempFolder folder;
    const std::string done = folder.PathOf("done");
    const std::string unixDone = UnixPathOf(done);
    if (unixDone.empty()) {
        return false;
    }
    // Wine runs a Unix program named on a command line, but the process
    // handle it gives back is signalled at once: the shell leaves a mark when
    // xdotool has finished, and that is what the test waits for.
    std::string line = std::string("/bin/sh -c \"") + kXdotool + " " + arguments + " && echo ok >'" + unixDone +
                       "' || echo failed >'" + unixDone + "'\"";
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

bool RestPointerOn(HWND window)
{
    RECT rect{};
    if (!::GetWindowRect(window, &rect)) {
        return false;
    }
    return Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
                   std::to_string((rect.top + rect.bottom) / 2));
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
