#include "app/delayed_imports.h"

#include "ui/system_library.h"

FARPROC WINAPI LoadDelayedImport(unsigned notification, PDelayLoadInfo info)
{
    if (notification != dliNotePreLoadLibrary || info == nullptr || info->szDll == nullptr) {
        return nullptr;
    }
    // Held for the life of the process, as an import is: the loader keeps
    // the handle and calls through it from then on.
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(ui::LoadSystemLibrary(info->szDll).Release()));
}

void InstallDelayedImportHook()
{
    __pfnDliNotifyHook2 = &LoadDelayedImport;
}
