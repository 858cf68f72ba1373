// The product name and version that a file's version resource carries: the
// countdown window shows them as its caption and the tray icon's tip.
#pragma once

#include <windows.h>

#include <string>

// The VerQueryValueA path of one entry of the string table for a language
// and code page: "\StringFileInfo\040904b0\ProductName". The block name is
// written in lower-case hex; the lookup matches block names without regard
// to case, so it also finds a block written "040904B0".
std::string VersionEntryQuery(WORD language, WORD codePage, const std::string& entry);

// The text of `entry` in the string table of the file's first translation,
// in the ANSI code page, or "" when the file, its version resource, its
// translation list or the entry is missing, or the text does not fit the code
// page. The file goes by its wide path, so that a folder named outside the
// code page is found.
std::string ReadVersionEntry(const std::wstring& path, const std::string& entry);

std::string ReadProductName(const std::wstring& path);
std::string ReadProductVersion(const std::wstring& path);
