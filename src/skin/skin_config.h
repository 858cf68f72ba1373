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

#include <oaidl.h>

struct SkinConfig {
    std::wstring rootpath;  // macros expanded, absolute; empty when absent
    std::wstring uis;       // macros expanded, absolute; empty when absent
    float gamma = 0.0f;     // 0.0 when absent
};

// common.xml in the executable's folder, by its wide path: the folder's name
// may hold characters that the ANSI code page lacks.
std::wstring SkinConfigPath();

// Reads the file at `path` anew; every value that is missing, or whose file
// is missing or broken, is absent. Without the file no XML parser is
// created; after a read, COM lets go of the libraries the parser brought.
SkinConfig ReadSkinConfigFile(const std::wstring& path);

// ReadSkinConfigFile(SkinConfigPath()): what each skinned dialog reads.
SkinConfig ReadSkinConfig();

// A number as XML writes it ("1.5", "-2", ".5e1"), whatever the user's
// locale; 0.0 for anything else, and for values no float holds.
float GammaOf(const VARIANT& value);
