// A skin file: a small INI file with one [Skin] section naming the colours,
// the optional background picture and the font of a skin. Reading it needs no
// window; what it yields is plain data.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace skin {

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
    // Full path of the background picture (a .bmp), empty for none.
    std::string backgroundImage;
    // Empty face or size 0: the window's own font face or size stays.
    std::string fontFace;
    int fontPoints = 0;
};

// "#RRGGBB" (the # may be left out) as a COLORREF; nothing for anything else.
std::optional<COLORREF> ParseColour(const std::string& text);

// The skin file's full path: `skinFile` as it is when absolute (a drive
// letter, or a leading backslash or slash), else inside `rootPath`. Empty when
// `skinFile` is empty.
std::string SkinFilePath(const std::string& rootPath, const std::string& skinFile);

// Reads the skin file at `path` (a full path). Nothing when the file cannot be
// opened or has no [Skin] section; otherwise every value the file gives well,
// and the defaults above for the rest.
std::optional<SkinDesign> ReadSkinFile(const std::string& path);

}  // namespace skin
