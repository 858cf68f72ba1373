// The libraries the executable imports with a delay (oleaut32: its BSTRs and
// VARIANTs are needed only by the skin) are loaded at their first call.
// MinGW's loader behind that (__delayLoadHelper2) takes the library that the
// hook hands it; given none, it calls LoadLibraryA with the bare name, whose
// search includes the program's folder on a Windows 7 without the loader
// update. This hook therefore never hands back none.
#pragma once

#include <windows.h>

#include <delayimp.h>

// The delay-load notification hook: loads the library of a
// dliNotePreLoadLibrary notification from the system folder. When it is not
// there, or does not load, the failure is reported as the loader itself
// reports it, with the delay-load exception
// VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND) carrying `info`:
// a library of that name anywhere else is never tried. Every other
// notification is left to the loader.
FARPROC WINAPI LoadDelayedImport(unsigned notification, PDelayLoadInfo info);

// Installs LoadDelayedImport. Called at start-up before any delayed import
// can be reached.
void InstallDelayedImportHook();
