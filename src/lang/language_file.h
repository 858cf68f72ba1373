// A language file's texts as the program reads them: the file's bytes taken
// by their form (UTF-16 with its byte-order mark, UTF-8, else the system's
// legacy code page), and the entries of one INI section, by the rules of
// GetPrivateProfileStringW.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// The code page that Windows gives programs without Unicode: the system
// locale's ANSI code page. Not GetACP(), which is 65001 in this process
// where the manifest's UTF-8 code page holds; a file written for an older
// Windows is in the legacy one.
UINT LegacyAnsiCodePage();

// A file's bytes as text: UTF-16 LE after its byte-order mark, UTF-8 after
// its byte-order mark or when every byte sequence is valid UTF-8, else text
// in `legacyCodePage`. Bytes a form does not define come out as U+FFFD.
std::wstring DecodeLanguageFile(std::string_view bytes, UINT legacyCodePage);

struct IniEntry {
    std::wstring key;
    std::wstring text;
};

// The entries of the first section named `section` (any letter case), in the
// file's order, as GetPrivateProfileStringW gives them: a line ends at CR or
// LF; white space around the line, the key and the text is dropped; a text in
// a pair of matching double or single quotes loses them; a line without "="
// and a line beginning with ";" hold no text.
std::vector<IniEntry> ReadIniSection(std::wstring_view text, std::wstring_view section);

// The text of the first entry whose key is `key` in any letter case, or null.
const std::wstring* FindIniText(const std::vector<IniEntry>& entries, std::wstring_view key);
