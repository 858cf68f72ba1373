#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    // The show state is not used: the countdown window always starts hidden.
    return RunApplication(instance, commandLine, SystemPowerPlatform());
}
