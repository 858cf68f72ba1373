#include "ui/system_library.h"

#include <string>

namespace ui {
namespace {

// Declared here: MinGW's headers offer them only for Windows 8 and later,
// and Windows 7 has them only with its update KB2533623.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesOrNull()
{
    // kernel32 is loaded in every process: no load, nothing to free.
    return SystemFunction<SetDefaultDllDirectoriesFunction>(::GetModuleHandleA("kernel32.dll"),
                                                            "SetDefaultDllDirectories");
}

UniqueModule LoadByFullPath(const char* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return UniqueModule();
    }
    std::wstring path(folder, length);
    if (path.back() != L'\\') {
        path += L'\\';
    }
    // The names are ASCII.
    for (const char* c = name; *c != '\0'; ++c) {
        path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    // LOAD_WITH_ALTERED_SEARCH_PATH: the DLL's own imports are looked for in
    // its folder (the system folder) first, not in the program's.
    return UniqueModule(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace

bool RestrictDllSearchToSystemFolder()
{
    const SetDefaultDllDirectoriesFunction restrict = SetDefaultDllDirectoriesOrNull();
    return restrict != nullptr && restrict(kSearchSystem32) != FALSE;
}

UniqueModule LoadSystemLibrary(const char* name)
{
    // The flag is understood exactly where SetDefaultDllDirectories exists.
    if (SetDefaultDllDirectoriesOrNull() != nullptr) {
        return UniqueModule(::LoadLibraryExA(name, nullptr, kSearchSystem32));
    }
    return LoadByFullPath(name);
}

}  // namespace ui
