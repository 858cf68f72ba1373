// The skin settings of common.xml beside the executable:
//   <config>
//     <activateskin rootpath="%ModulePath%\skins\blue" uis="blue.uis"/>
//     <SkinGamma val="1.5"/>
//   </config>
// A relative rootpath lies in the executable's folder, a relative uis in the
// rootpath folder (in the executable's folder when rootpath is empty), so
// that the engine gets absolute paths whoever started the program.
#pragma once

#include <string>
#include <string_view>

#include "skin/skin_config_xml.h"

struct SkinConfig {
    std::wstring rootpath;  // macros expanded, absolute; empty when absent
    std::wstring uis;       // macros expanded, absolute; empty when absent
    float gamma = 0.0f;     // 0.0 when absent

    bool operator==(const SkinConfig&) const = default;
};

// common.xml in the executable's folder, by its wide path: the folder's name
// may hold characters that the ANSI code page lacks.
std::wstring SkinConfigPath();

// Reads the file at `path` anew; every value that is missing, or whose file
// is missing or broken, is absent.
SkinConfig ReadSkinConfigFile(const std::wstring& path);

// ReadSkinConfigFile(SkinConfigPath()): what each skinned dialog reads.
SkinConfig ReadSkinConfig();

// The settings that the file's texts stand for: macros expanded, paths made
// absolute, val as a number.
SkinConfig SkinConfigOf(const SkinConfigTexts& texts);

// A number as XML writes it ("1.5", "-2", ".5e1"), whatever the user's
// locale; 0.0 for anything else, and for values no float holds.
float GammaOf(std::wstring_view text);
