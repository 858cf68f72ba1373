#include "countdown/millisecond_clock.h"

#include "ui/system_library.h"

MillisecondClock SystemMillisecondClock()
{
    // Loaded once and held for the life of the process (the clock is read up
    // to the last tick of the run): freeing it at the end would only hold up
    // the process's exit.
    static const MillisecondClock clock = [] {
        const HMODULE winmm = ui::LoadSystemLibrary("winmm.dll").Release();
        const auto found = ui::SystemFunction<MillisecondClock>(winmm, "timeGetTime");
        return found != nullptr ? found : &::GetTickCount;
    }();
    return clock;
}
