// A skin file: a small INI file with one [Skin] section naming the colours,
// the optional background picture and the font of a skin, and optionally a
// [Dark] section: the skin's look while Windows' apps are in dark mode.
// Reading it needs no window; what it yields is plain data. Paths are wide
// throughout.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "wide_string.h"

namespace skin {

// A skin file is a few hundred bytes: anything over 64 KB is no skin.
constexpr std::size_t kLargestSkinFileBytes = 64 * 1024;

struct SkinDesign {
    COLORREF background = RGB(0xF0, 0xF0, 0xF0);
    COLORREF text = RGB(0x00, 0x00, 0x00);
    COLORREF buttonFace = RGB(0xE1, 0xE1, 0xE1);
    COLORREF buttonText = RGB(0x00, 0x00, 0x00);
    COLORREF hot = RGB(0xE5, 0xF1, 0xFB);
    COLORREF pressed = RGB(0xCC, 0xE4, 0xF7);
    COLORREF border = RGB(0xAD, 0xAD, 0xAD);
    COLORREF accent = RGB(0x00, 0x78, 0xD7);
    COLORREF field = RGB(0xFF, 0xFF, 0xFF);
    COLORREF fieldText = RGB(0x00, 0x00, 0x00);
    // The program's own text labels: its headings, and the countdown's
    // information text. A file without them takes `text` and `accent`.
    COLORREF heading = RGB(0x00, 0x00, 0x00);
    COLORREF information = RGB(0x00, 0x78, 0xD7);
    // Full path of the background picture (a .bmp), empty for none.
    WideString backgroundImage;
    // Empty face or size 0: the window's own font face or size stays.
    wchar_t fontFace[LF_FACESIZE] = {};
    int fontPoints = 0;
};

// "#RRGGBB" (the # may be left out) as a COLORREF; nothing for anything else.
std::optional<COLORREF> ParseColour(const wchar_t* text);

// The skin file's full path: `skinFile` as it is when absolute
// (IsAbsolutePath), else inside `rootPath`, which must then be absolute.
// Empty when `skinFile` is empty, or relative to the current drive or its
// root, or the root is relative (the program resolves relative paths against
// its own folder before it hands them on).
WideString SkinFilePath(const wchar_t* rootPath, const wchar_t* skinFile);

// Both looks of one skin file: [Skin], and [Dark] over it where the file has
// that section (every value [Dark] gives well replaces the light one).
struct SkinLooks {
    SkinDesign light;
    std::optional<SkinDesign> dark;
};

// Reads the skin file at `path` (a full path) once, into memory. Nothing when
// the path names a device, the file cannot be opened, is no file on a disk
// or a share, is over kLargestSkinFileBytes or has no [Skin] section;
// otherwise every value the file gives well, and the defaults above for the
// rest. A BackgroundImage that names a device is no picture.
std::optional<SkinLooks> ReadSkinLooks(const wchar_t* path);

// The [Skin] look alone.
std::optional<SkinDesign> ReadSkinFile(const wchar_t* path);

}  // namespace skin
