// A text file's bytes as text, taken by their form, for the program and the
// skin engine alike (built without exceptions and without the C++ string
// library, for the engine).
#pragma once

#include <windows.h>

#include <cstddef>

// The code page that Windows gives programs without Unicode: the system
// locale's ANSI code page. Not GetACP(), which is 65001 in this process
// where the manifest's UTF-8 code page holds; a file written for an older
// Windows is in the legacy one.
UINT LegacyAnsiCodePage();

// The text of a file's `size` bytes: UTF-16 LE or BE after its byte-order
// mark, UTF-8 after its byte-order mark or when every byte sequence is valid
// UTF-8, else text in `legacyCodePage` (given, not CP_ACP: see
// LegacyAnsiCodePage). Bytes a form does not define come out as U+FFFD; an odd
// last byte of UTF-16 is dropped. Returns the number of characters; writes
// them to `text` when it is not null and holds at least that many (callers
// ask once for the number, then again with room for it).
std::size_t DecodeTextFile(const char* bytes, std::size_t size, UINT legacyCodePage, wchar_t* text,
                           std::size_t capacity);
