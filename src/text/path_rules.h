// How a Windows path reads as text: which paths are absolute, where a path's
// root, folder and name lie, and when a folder needs a separator before a
// name joins it. One set of rules for the program and the skin engine, which
// builds without exceptions and links no C++ string library: everything here
// works on views and gives back views, allocating nothing. Both "\" and "/"
// separate; the paths are UTF-16, so no DBCS trail byte is taken for one.
#pragma once

#include <string_view>

bool IsPathSeparator(wchar_t c);

// A drive letter and its colon begin the path: "C:", "c:dir", "D:\dir".
bool HasDrive(std::wstring_view path);

// Names its drive or server and its folder: a drive with its separator
// ("C:\x", "C:/x") or two separators ("\\server\share", "\\?\C:\x"). "\x"
// and "C:x" depend on the current drive and that drive's current folder.
bool IsAbsolutePath(std::wstring_view path);

// Relative, but to the current drive's root ("\x") or to a drive's current
// folder ("C:x"): to no folder of the program's choosing. A colon in second
// place makes a drive however odd the character before it, as Windows reads
// a path.
bool IsDriveOrRootRelative(std::wstring_view path);

// "C:" of "C:\dir", "\\server\share" of "\\server\share\dir" (and "\\?\C:"
// of "\\?\C:\dir"); empty for a path that names neither.
std::wstring_view RootOf(std::wstring_view path);

// Whether anything comes before the name: a separator or a drive's colon.
bool HasFolder(std::wstring_view path);

// What comes before the last separator, or the drive that a "C:name" names:
// "C:\dir\app.exe" -> "C:\dir", "C:\app.exe" -> "C:", "C:app.exe" -> "C:",
// "\\server\share\app.exe" -> "\\server\share". Empty for a bare name.
std::wstring_view FolderOf(std::wstring_view path);

// What follows the folder: "app.exe" of "C:\dir\app.exe".
std::wstring_view NameOf(std::wstring_view path);

// The name without its last "." and what follows: "app" of "app.exe",
// "archive.tar" of "archive.tar.gz", "" of ".lng".
std::wstring_view WithoutExtension(std::wstring_view name);

// A name joins `folder` after a separator, unless the folder is empty or
// ends in one already.
bool NeedsSeparatorBefore(std::wstring_view folder);
