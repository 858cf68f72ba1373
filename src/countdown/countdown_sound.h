// The sound of the last seconds: the program's own event in the user's sound
// scheme. The installer registers it, so that Control Panel › Sound lists it
// under the program's name and the user picks its sound, or none; the program
// itself writes nothing and only plays it.
#pragma once

#include <windows.h>

// The event's key under HKCU\AppEvents\EventLabels and under
// HKCU\AppEvents\Schemes\Apps\TolvrinShutdown (packaging/installer.nsi).
inline constexpr char kCountdownEndingSound[] = "TolvrinCountdownEnding";

// PlaySoundA's shape: the system's, or a test's recorder.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR sound, HMODULE module, DWORD flags);

// PlaySoundA of winmm.dll; where winmm.dll is missing, a function that plays
// nothing.
PlaySoundFunction SystemPlaySound();

// Starts the event's sound and returns at once. An event that is not
// registered (the portable zip) or set to (None) stays silent.
void PlayCountdownEndingSound(PlaySoundFunction play);
