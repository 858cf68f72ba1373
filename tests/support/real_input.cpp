#include "support/real_input.h"

#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

#include <cstdlib>

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

// Runs xdotool through a shell. Wine runs a Unix program named on a command
// line, but gives back no handle to wait on: the shell leaves a mark when
// xdotool has finished, and that is what this waits for,
// letting the calling thread's own windows run meanwhile. xdotool's standard
// output goes to `output` when it is not null.
bool RunXdotool(const std::string& arguments, DWORD timeoutMs, std::string* output)
{
    const TempFolder folder;
    const std::string done = folder.PathOf("done");
    const std::string printed = folder.PathOf("printed");
    const std::string unixDone = UnixPathOf(done);
    const std::string unixPrinted = UnixPathOf(printed);
    if (unixDone.empty() || unixPrinted.empty()) {
        return false;
    }
    std::string line = std::string("/bin/sh -c \"") + kXdotool + " " + arguments + " >'" + unixPrinted +
                       "' && echo ok >'" + unixDone + "' || echo failed >'" + unixDone + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    // For a Unix program Wine gives back no process handle (null), and what
    // it leaves in hThread is no handle of ours but whatever was in its
    // memory: closed, it may close a handle the test holds, such as the
    // program's process handle, whose value a later handle then takes.
    if (info.hProcess != nullptr) {
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
    }
    std::string outcome;
    WaitUntil(
        [&] {
            outcome = ReadFileText(done);
            return outcome.find('\n') != std::string::npos;
        },
        timeoutMs);
    if (outcome != "ok\n") {
        return false;
    }
    if (output != nullptr) {
        *output = ReadFileText(printed);
    }
    return true;
}

// The X window that Wine's X11 driver made for a top-level window: the
// driver keeps its id in a window property, which any process can read.
// 0 if there is none.
unsigned long XWindowOf(HWND window)
{
    return static_cast<unsigned long>(
        reinterpret_cast<ULONG_PTR>(::GetPropA(::GetAncestor(window, GA_ROOT), "__wine_x11_whole_window")));
}

// The X window that holds the X server's keyboard focus; 0 if unknown.
unsigned long XFocusWindow()
{
    std::string printed;
    if (!RunXdotool("getwindowfocus -f", 5000, &printed)) {
        return 0;
    }
    return std::strtoul(printed.c_str(), nullptr, 10);
}

}  // namespace

bool CanSendRealInput()
{
    return IsRunningUnderWine() && ::GetFileAttributesA(("Z:" + std::string(kXdotool)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Xdotool(const std::string& arguments, DWORD timeoutMs)
{
    return RunXdotool(arguments, timeoutMs, nullptr);
}

bool GiveKeyboardFocusTo(HWND window, DWORD timeoutMs)
{
    const HWND topLevel = ::GetAncestor(window, GA_ROOT);
    const unsigned long xWindow = XWindowOf(topLevel);
    return xWindow != 0 && WaitUntil([&] { return ::GetForegroundWindow() == topLevel; }, timeoutMs) &&
           Xdotool("windowfocus " + std::to_string(xWindow)) &&
           WaitUntil([&] { return XFocusWindow() == xWindow; }, timeoutMs);
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
