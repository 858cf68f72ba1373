// A stand-in for PlaySound in window tests: it writes each call to a log and
// plays nothing.
#pragma once

#include <string>
#include <vector>

#include "countdown/countdown_sound.h"

namespace test_support {

// Clears the log and returns the recording function.
PlaySoundFunction RecordingPlaySound();
// The calls since, e.g. "PlaySound(TolvrinCountdownEnding, null, 0x10083)".
std::vector<std::string> RecordedSounds();

}  // namespace test_support
