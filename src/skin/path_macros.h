// Folder macros in the paths of common.xml ("%ModulePath%\skins",
// "%AppData%\x.uis"), replaced by the folders of this computer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace path_macros {

// One macro, written with its percent signs, and the folder it stands for.
struct Macro {
    std::string name;
    std::string folder;
};
// In the order the macros are applied: byte order of their names.
using Table = std::vector<Macro>;

// The folders as the system gives them, before the table's rules apply.
// Empty means the query failed.
struct Folders {
    std::string appData;
    std::string commonAppData;
    std::string modulePath;
    std::string personal;
    std::string systemDirectory;
    std::string tempDirectory;
    std::string windowsDirectory;
};

// SHGetFolderPathA from "shfolder.dll", loaded and released again for this
// one query (the library is missing on some systems). 1 (S_FALSE) without
// touching `path` when the library or its function is missing.
HRESULT FolderPath(HWND window, int csidl, HANDLE token, DWORD flags, char* path);

// This computer's folders, each query into a zeroed buffer of MAX_PATH.
Folders QueryFolders();

// The table's rules: one trailing backslash dropped (but from the module's
// folder), a macro without a folder left out, "%LocalAppData%" entered with
// the value of "%CommonAppData%", "%WindowsDirectory%" with "%Windows%".
Table MakeTable(const Folders& folders);

// Each macro of the table replaced at its first occurrence, letter case
// ignored (CharLowerA's rules); a folder inserted earlier is searched by the
// later entries. Names not in the table stay as written.
std::string ExpandWith(std::string text, const Table& table);

// ExpandWith the table of this computer's folders, built for this call.
std::string Expand(std::string text);

}  // namespace path_macros
