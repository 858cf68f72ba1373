// DLLs that the program loads itself, taken from the system folder only.
//
// A portable copy may be unzipped into a folder that holds other files, a
// browser's downloads for one. Windows looks for a DLL named without a path
// in the program's own folder first, so a DLL called like a system library
// lying there would run inside the program. The executable therefore imports
// only libraries that Windows always takes from the system folder (and
// comctl32 through its manifest), and loads everything else through
// LoadSystemLibrary.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"

namespace ui {

// A loaded module, freed once when its owner ends.
using UniqueModule = base::UniqueHandle<base::NullHandleTraits<HMODULE, &::FreeLibrary>>;

// Makes every later load of a DLL named without a path, by the program or by
// a system DLL on its behalf (COM servers, themes, the skin engine's own
// imports), search the system folder only. Called first thing at start-up.
// Without SetDefaultDllDirectories (Windows 7 lacking its update) nothing
// changes; LoadSystemLibrary is then still safe on its own. False in that
// case or when the call failed.
bool RestrictDllSearchToSystemFolder();

// Loads `name` (a bare file name such as "version.dll") from the system
// folder: LoadLibraryExA with LOAD_LIBRARY_SEARCH_SYSTEM32 where Windows has
// it, otherwise by its full path (GetSystemDirectoryW + name). Never from the
// program's folder, the current folder or PATH. An empty owner when the DLL
// is missing or does not load.
UniqueModule LoadSystemLibrary(const char* name);

// The address of an export of `module` as the function type `Function`, or
// null (also for a null module). The cast through void* is the one that
// GetProcAddress needs and -Wcast-function-type accepts.
template <typename Function>
Function SystemFunction(HMODULE module, const char* name)
{
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace ui
