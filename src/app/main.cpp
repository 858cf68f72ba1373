#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The show state is not used: the countdown window always starts hidden.
    // The command line is read in UTF-16: lpCmdLine has already turned what
    // the ANSI code page cannot hold into "?".
    return RunApplication(instance, ::GetCommandLineW(), SystemPowerPlatform());
}
