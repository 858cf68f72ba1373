// Where the program's language file lies: beside the executable, with the
// executable's own name and ".lng" (Timer.exe reads Timer.lng), so that a
// renamed copy carries its own language.
#pragma once

#include <windows.h>

#include <string>

// The language file of the module (the null handle: the executable), by the
// long form of the module's path (LongPathOf): LanguageFilePathFor.
std::wstring LanguageFilePath(HMODULE module);

// folder + "\" + name without its last extension + ".lng", or "" when the
// path has no folder: a bare file name would make GetPrivateProfileStringW
// search the Windows folder.
std::wstring LanguageFilePathFor(const std::wstring& modulePath);
