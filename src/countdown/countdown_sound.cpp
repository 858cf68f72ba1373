#include "countdown/countdown_sound.h"

#include <mmsystem.h>

#include "countdown/multimedia_library.h"
#include "ui/system_library.h"

namespace {

BOOL WINAPI PlayNothing(LPCSTR, HMODULE, DWORD)
{
    return FALSE;
}

}  // namespace

PlaySoundFunction SystemPlaySound()
{
    const auto found = ui::SystemFunction<PlaySoundFunction>(MultimediaLibrary(), "PlaySoundA");
    return found != nullptr ? found : &PlayNothing;
}

void PlayCountdownEndingSound(PlaySoundFunction play)
{
    // SND_APPLICATION looks the alias up under the executable's own key in
    // HKCU\AppEvents\Schemes\Apps (its file name without ".exe"), not among
    // Windows' events. SND_NODEFAULT: without it a missing event plays
    // Windows' default beep, which the user never chose for this program.
    // SND_ASYNC: the countdown's timers must not wait for the sound.
    play(kCountdownEndingSound, nullptr, SND_ALIAS | SND_APPLICATION | SND_ASYNC | SND_NODEFAULT);
}
