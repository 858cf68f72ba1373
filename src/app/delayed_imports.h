// The libraries the executable imports with a delay (oleaut32: its BSTRs and
// VARIANTs are needed only by the skin and common.xml) are loaded at their
// first call. The loader behind that would take a bare name through the
// ordinary search; this hook takes it from the system folder only.
#pragma once

#include <windows.h>

#include <delayimp.h>

// The delay-load notification hook: loads the library of a
// dliNotePreLoadLibrary notification from the system folder (a null result
// when it is missing) and leaves every other notification to the loader.
FARPROC WINAPI LoadDelayedImport(unsigned notification, PDelayLoadInfo info);

// Installs LoadDelayedImport. Called at start-up before any delayed import
// can be reached.
void InstallDelayedImportHook();
