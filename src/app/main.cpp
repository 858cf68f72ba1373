#include <windows.h>

#include "app/application.h"
#include "app/delayed_imports.h"
#include "ui/system_library.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Before anything else loads a DLL: from here on a DLL named without a
    // path comes from the system folder, never from the program's own.
    ui::RestrictDllSearchToSystemFolder();
    InstallDelayedImportHook();
    // The theme library, which the system's controls load by name with the
    // first window: where the search cannot be restricted (Windows 7 without
    // its update) that load would look in the program's folder first. Taken
    // from the system folder now, the name is found loaded then. Every run
    // loads it anyway; it stays for the life of the process.
    ui::LoadSystemLibrary("uxtheme.dll").Release();
    // The show state is not used: the countdown window always starts hidden.
    // The command line is read in UTF-16: lpCmdLine has already turned what
    // the ANSI code page cannot hold into "?".
    return RunApplication(instance, ::GetCommandLineW(), SystemPowerPlatform());
}
