// The paths of common.xml made absolute against a folder of the program's
// choosing, never against the current folder, which depends on whoever
// started the program (a bare name would even make the INI reads look in
// the Windows folder).
#pragma once

#include <string>

// `path` if it names its drive or server and folder ("C:\x", "\\server\x");
// otherwise taken within `folder` (absolute, with or without a trailing
// separator): "skins" -> folder\skins; "\skins" -> the root of `folder`'s
// drive or share, then \skins; "D:skins" -> folder\skins when `folder` lies
// on D:, otherwise D:\skins. Empty stays empty; "." and ".." stay as
// written, for Windows to resolve when the file is opened. A path that names
// a device (NamesDevice: "COM1", "\\.\pipe\x", "\\?\C:\x") is no path:
// empty, so that a skin names files only.
std::wstring AbsolutePathIn(const std::wstring& folder, const std::wstring& path);
