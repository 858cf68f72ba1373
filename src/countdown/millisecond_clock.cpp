#include "countdown/millisecond_clock.h"

#include "countdown/multimedia_library.h"
#include "ui/system_library.h"

MillisecondClock SystemMillisecondClock()
{
    static const MillisecondClock clock = [] {
        const auto found = ui::SystemFunction<MillisecondClock>(MultimediaLibrary(), "timeGetTime");
        return found != nullptr ? found : &::GetTickCount;
    }();
    return clock;
}
