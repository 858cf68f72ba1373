#include "app/delayed_imports.h"

#include "ui/system_library.h"

FARPROC WINAPI LoadDelayedImport(unsigned notification, PDelayLoadInfo info)
{
    if (notification != dliNotePreLoadLibrary || info == nullptr || info->szDll == nullptr) {
        return nullptr;
    }
    // Held for the life of the process, as an import is: the loader keeps
    // the handle and calls through it from then on.
    ui::UniqueModule library = ui::LoadSystemLibrary(info->szDll);
    if (!library) {
        // What the loader raises when no library loads, raised here before
        // it could try the bare name. No failure hook is asked: one could
        // only hand back a library from elsewhere.
        info->dwLastError = ::GetLastError();
        ULONG_PTR argument = reinterpret_cast<ULONG_PTR>(info);
        ::RaiseException(VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND), 0, 1, &argument);
        // Continued by a handler: still no library, and the loader must not
        // search for one.
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(::GetModuleHandleW(nullptr)));
    }
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(library.Release()));
}

void InstallDelayedImportHook()
{
    __pfnDliNotifyHook2 = &LoadDelayedImport;
}
