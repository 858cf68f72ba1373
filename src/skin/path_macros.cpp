#include "skin/path_macros.h"

#include <shlobj.h>

#include <utility>

#include "lang/ansi_text.h"
#include "lang/module_path.h"
#include "ui/system_library.h"

namespace path_macros {
namespace {

// GetSystemDirectoryA and GetWindowsDirectoryA.
std::string QueryIntoBuffer(UINT(WINAPI* query)(LPSTR, UINT))
{
    char buffer[MAX_PATH] = {};
    query(buffer, MAX_PATH);
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}

std::string ShellFolder(int csidl)
{
    char buffer[MAX_PATH] = {};
    // Only the buffer counts: a failed query may still have written nothing.
    FolderPath(nullptr, csidl, nullptr, 0, buffer);
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}

std::string TempDirectory()
{
    char buffer[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, buffer);
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}

// Walked by characters: 0x5C is also the trail byte of some double-byte
// characters, which must not be cut.
std::string WithoutTrailingBackslash(std::string path)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); i = NextCharIndex(path, i)) {
        last = i;
    }
    if (last != std::string::npos && last + 1 == path.size() && path[last] == '\\') {
        path.pop_back();
    }
    return path;
}

void Enter(Table& table, const char* name, const std::string& folder)
{
    if (!folder.empty()) {
        table.push_back({name, folder});
    }
}

std::string Lowered(std::string text)
{
    if (!text.empty()) {
        ::CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

}  // namespace

HRESULT FolderPath(HWND window, int csidl, HANDLE token, DWORD flags, char* path)
{
    using ShGetFolderPathA = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    const ui::UniqueModule library = ui::LoadSystemLibrary("shfolder.dll");
    if (!library) {
        return S_FALSE;
    }
    HRESULT result = S_FALSE;
    const auto query = ui::SystemFunction<ShGetFolderPathA>(library.Get(), "SHGetFolderPathA");
    if (query != nullptr) {
        result = query(window, csidl, token, flags, path);
    }
    return result;
}

Folders QueryFolders()
{
    Folders folders;
    folders.appData = ShellFolder(CSIDL_APPDATA);
    folders.commonAppData = ShellFolder(CSIDL_COMMON_APPDATA);
    folders.modulePath = ModuleFolder(nullptr);
    folders.personal = ShellFolder(CSIDL_PERSONAL);
    folders.systemDirectory = QueryIntoBuffer(::GetSystemDirectoryA);
    folders.tempDirectory = TempDirectory();
    folders.windowsDirectory = QueryIntoBuffer(::GetWindowsDirectoryA);
    return folders;
}

Table MakeTable(const Folders& folders)
{
    const std::string commonAppData = WithoutTrailingBackslash(folders.commonAppData);
    const std::string windows = WithoutTrailingBackslash(folders.windowsDirectory);
    Table table;
    Enter(table, "%AppData%", WithoutTrailingBackslash(folders.appData));
    Enter(table, "%CommonAppData%", commonAppData);
    Enter(table, "%LocalAppData%", commonAppData);
    Enter(table, "%ModulePath%", folders.modulePath);
    Enter(table, "%Personal%", WithoutTrailingBackslash(folders.personal));
    Enter(table, "%SystemDirectory%", WithoutTrailingBackslash(folders.systemDirectory));
    Enter(table, "%TempDirectory%", WithoutTrailingBackslash(folders.tempDirectory));
    Enter(table, "%Windows%", windows);
    Enter(table, "%WindowsDirectory%", windows);
    return table;
}

std::string ExpandWith(std::string text, const Table& table)
{
    for (const Macro& macro : table) {
        // CharLowerBuffA keeps the length, so a position in the lowered text
        // is the same position in the text.
        const std::size_t at = FindInAnsiText(Lowered(text), Lowered(macro.name));
        if (at != std::string::npos) {
            text.replace(at, macro.name.size(), macro.folder);
        }
    }
    return text;
}

std::string Expand(std::string text)
{
    return ExpandWith(std::move(text), MakeTable(QueryFolders()));
}

}  // namespace path_macros
