#include "support/sound_recorder.h"

#include <cstdio>

namespace test_support {

namespace {

std::vector<std::string> sounds;

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE module, DWORD flags)
{
    char line[160];
    std::snprintf(line, sizeof line, "PlaySound(%s, %s, 0x%lx)", sound != nullptr ? sound : "null",
                  module != nullptr ? "module" : "null", static_cast<unsigned long>(flags));
    sounds.push_back(line);
    return TRUE;
}

}  // namespace

PlaySoundFunction RecordingPlaySound()
{
    sounds.clear();
    return &RecordPlaySound;
}

std::vector<std::string> RecordedSounds()
{
    return sounds;
}

}  // namespace test_support
