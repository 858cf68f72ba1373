// The skin settings of common.xml beside the executable:
//   <config>
//     <activateskin rootpath="%ModulePath%\skins" uis="blue.uis"/>
//     <SkinGamma val="1.5"/>
//   </config>
#pragma once

#include <string>

#include <oaidl.h>

struct SkinConfig {
    std::string rootpath;  // macros expanded; empty when absent
    std::string uis;       // macros expanded; empty when absent
    float gamma = 0.0f;    // 0.0 when absent
};

// common.xml in the executable's folder.
std::string SkinConfigPath();

// Reads the file at `path` (ANSI code page) anew; every value that is
// missing, or whose file is missing or broken, is absent.
SkinConfig ReadSkinConfigFile(const std::string& path);

// ReadSkinConfigFile(SkinConfigPath()): what each skinned dialog reads.
SkinConfig ReadSkinConfig();

// A number as XML writes it ("1.5", "-2", ".5e1"), whatever the user's
// locale; 0.0 for anything else, and for values no float holds.
float GammaOf(const VARIANT& value);
