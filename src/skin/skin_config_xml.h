// The three values of common.xml as the file writes them, read with the
// system's XML pull parser (xmllite.dll):
//   <config>
//     <activateskin rootpath="..." uis="..."/>
//     <SkinGamma val="..."/>
//   </config>
#pragma once

#include <string>

struct SkinConfigTexts {
    std::wstring rootpath;  // empty when absent
    std::wstring uis;       // empty when absent
    std::wstring gamma;     // SkinGamma's val; empty when absent
};

// Reads the file at `path`: only the first element of each name directly
// under the root `config` counts, names are matched with their letter case
// and without a prefix. A file that is missing, larger than a megabyte,
// not on a disk or a share, not well-formed, or that holds a DTD gives every
// value empty. The parser reads the bytes that the program read itself: it
// never opens a path or a URL, needs no COM activation, and is unloaded
// again when this returns.
SkinConfigTexts ReadSkinConfigTexts(const std::wstring& path);
