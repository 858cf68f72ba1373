// Registration of the engine for the current user only
// (HKCU\Software\Classes\CLSID), for an engine installed away from the
// program. Beside the program no registration is needed: its manifest names
// the DLL.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

// "Software\Classes\CLSID\{...}" of the engine.
std::string EngineClassKey();

HRESULT RegisterEngine(const std::string& dllPath);
HRESULT UnregisterEngine();

}  // namespace skin
