// Folder macros in the paths of common.xml ("%ModulePath%\skins",
// "%AppData%\x.uis"), replaced by the folders of this computer. Wide text
// throughout: a folder's name may hold characters the ANSI code page lacks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace path_macros {

// The folders the macros stand for.
enum class Folder {
    AppData,          // SHGetFolderPathW, CSIDL_APPDATA
    CommonAppData,    // SHGetFolderPathW, CSIDL_COMMON_APPDATA
    ModulePath,       // the executable's folder
    Personal,         // SHGetFolderPathW, CSIDL_PERSONAL
    SystemDirectory,  // GetSystemDirectoryW
    TempDirectory,    // GetTempPathW
    Windows,          // GetWindowsDirectoryW
};

// A folder as the system gives it, before the table's rules apply; empty
// when the query failed. Asked only for a macro that occurs in the text.
using FolderSource = std::function<std::wstring(Folder)>;

// Loads shfolder.dll; null when it is missing.
using LibraryLoader = std::function<HMODULE()>;

// shfolder.dll from the system folder only, never from the program's folder
// or the current one, where anyone may have put a DLL of that name.
HMODULE LoadShellFolderLibrary();

// The macros, in the order they are applied (byte order of their names):
// "%AppData%", "%CommonAppData%", "%LocalAppData%" (the shared folder of
// "%CommonAppData%", not a per-user one), "%ModulePath%", "%Personal%",
// "%SystemDirectory%", "%TempDirectory%", "%Windows%", "%WindowsDirectory%"
// (the same folder as "%Windows%").
//
// Each macro is replaced at its first occurrence, letter case ignored
// (CharLowerBuffW's rules); a folder inserted earlier is searched by the
// later macros. Whether a macro occurs is decided on the text as the earlier
// macros left it, and only then is its folder asked for. A folder loses one
// trailing backslash (the module's folder has none); a folder that is empty
// leaves its macro as written, as do names that are not macros.
std::wstring ExpandWith(std::wstring text, const FolderSource& folders);

// ExpandWith this computer's folders, each asked for at most once in this
// call; shfolder.dll is loaded through `loadShellFolder` at most once, and
// only when a macro needs one of its folders, and let go before the return.
std::wstring Expand(std::wstring text, const LibraryLoader& loadShellFolder = LoadShellFolderLibrary);

}  // namespace path_macros
