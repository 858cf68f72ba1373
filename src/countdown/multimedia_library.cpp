#include "countdown/multimedia_library.h"

#include "ui/system_library.h"

HMODULE MultimediaLibrary()
{
    // Held for the life of the process: the clock is read up to the last tick
    // of the run, and an asynchronous PlaySound goes on in winmm after the
    // call returns. Freeing it at the end would only hold up the exit.
    static const HMODULE winmm = ui::LoadSystemLibrary("winmm.dll").Release();
    return winmm;
}
