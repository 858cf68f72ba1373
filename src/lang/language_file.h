// A language file's text as the program reads it: the file's bytes taken by
// their form (UTF-16 with its byte-order mark, UTF-8, else the system's
// legacy code page).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// `bytes` decoded as DecodeTextFile decodes them.
std::wstring DecodeLanguageFile(std::string_view bytes, UINT legacyCodePage);
