// Where the executable (or another loaded module) lies, for the files that are
// kept beside it: the language file, common.xml, the "%ModulePath%" macro.
// Wide throughout: GetModuleFileNameA gives "?" for the characters of a
// folder's name that the ANSI code page cannot hold.
#pragma once

#include <windows.h>

#include <string>

// Full path of the module's file; the null handle means the executable. Read
// whole however long it is; empty if GetModuleFileNameW fails.
std::wstring ModuleFilePath(HMODULE module);

// Folder of the module's file, as FolderOf (text/path_rules.h) gives it:
// without a trailing backslash ("C:\Tools", or "C:" for a file in a drive's
// root).
std::wstring ModuleFolder(HMODULE module);

// The long form of a path (GetLongPathNameW): a program started through an
// 8.3 name still finds its language file by its own long name. The path
// unchanged when it has no long form or cannot be reached.
std::wstring LongPathOf(const std::wstring& path);
