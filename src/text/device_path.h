// Which paths name a device rather than a file. Skins come from anywhere, and
// Windows opens a device by a name that looks like a file's: "COM1.bmp" is a
// serial port, and reading a header from it can wait for ever. Such paths are
// refused by their text, before anything is opened (opening a pipe or a
// serial port may itself wait, or connect to whoever serves it).
// Plain text on wide strings, no allocation: the skin engine, which links no
// C++ string library, uses it too.
#pragma once

// True when `path` names a device, or may: a DOS device name (CON, PRN, AUX,
// NUL, COM0-9, LPT0-9, COM and LPT with a superscript 1, 2 or 3, CONIN$,
// CONOUT$, CLOCK$) as any part of the path, in any letter case, also with an
// extension, a colon or trailing spaces and dots ("com1.bmp", "NUL  .",
// "aux:"); a device path ("\\.\...", "\\?\...", "\??\..." with either
// slash); or a share of the pipes or mailslots of a server
// ("\\server\pipe\..."). Null and empty name no device. Drive paths and the
// UNC paths of real shares ("\\server\share\...") pass.
bool NamesDevice(const wchar_t* path);
