// Where the executable (or another loaded module) lies, for the files that are
// kept beside it: the language file, common.xml, the "%ModulePath%" macro.
#pragma once

#include "text/ansi_text.h"

#include <windows.h>

#include <functional>
#include <string>

// Full path of the module's file; the null handle means the executable. Read
// whole however long it is; empty if GetModuleFileNameA fails.
std::string ModuleFilePath(HMODULE module);

// Folder of the module's file, without a trailing backslash ("C:\Tools",
// or "C:" for a file in a drive's root).
std::string ModuleFolder(HMODULE module);

// File name of the module without its folder; without its last extension
// unless `keepExtension` is true.
std::string ModuleBaseName(HMODULE module, bool keepExtension);

// The language file of the executable, as a wide path: its folder, "\",
// the base name of its long file name, ".lng" (LanguageFilePathFor). Wide, so
// that a folder whose name the ANSI code page cannot hold still finds it.
std::wstring LanguageFilePath(HMODULE module);

// GetModuleFileNameA's contract, for the growing-buffer read: writes at most
// `size` characters and returns `size` itself when the path did not fit.
using ModuleFileNameReader = std::function<DWORD(char* buffer, DWORD size)>;

// Calls `read` with a buffer that grows until the whole path fits.
std::string ReadWholeModuleFileName(const ModuleFileNameReader& read);

// The wide forms, for folders whose names the ANSI code page cannot hold
// (GetModuleFileNameA gives "?" for such characters): the module's full path
// through GetModuleFileNameW, read whole, and its folder as FolderOfWidePath
// gives it.
std::wstring ModuleFilePathW(HMODULE module);
std::wstring ModuleFolderW(HMODULE module);
std::wstring FolderOfWidePath(const std::wstring& path);

// The same operations on a path given as text.
//
// Cuts the path at its last "\" or ":" (which goes too), and gives a drive
// back the colon that was cut: "C:\dir\app.exe" -> "C:\dir",
// "C:\app.exe" -> "C:", "C:app.exe" -> "C:", "\\server\share\app.exe" ->
// "\\server\share". A path with no "\" or ":" has no folder: "".
std::string FolderOfPath(const std::string& path, unsigned int codePage = kAnsiCodePage);

// Drops everything up to the last "\" or ":", then, unless `keepExtension`,
// the last "." and what follows it.
std::string BaseNameOfPath(const std::string& path, bool keepExtension,
                           unsigned int codePage = kAnsiCodePage);

// folder + "\" + base name without its last extension + ".lng", or "" when
// the path has no folder: a bare file name would make GetPrivateProfileStringW
// search the Windows folder.
std::wstring LanguageFilePathFor(const std::wstring& modulePath);

// The long form of a path (GetLongPathNameW): a program started through an
// 8.3 name still finds its language file by its own long name. The path
// unchanged when it has no long form or cannot be reached.
std::wstring LongPathOf(const std::wstring& path);
