// Registration of the engine for the current user only
// (HKCU\Software\Classes\CLSID), for an engine installed away from the
// program. Beside the program no registration is needed: its manifest names
// the DLL.
#pragma once

#include <windows.h>

namespace skin {

// "Software\Classes\CLSID\{...}" of the engine.
constexpr int kEngineClassKeyCapacity = 64;
void EngineClassKey(wchar_t (&key)[kEngineClassKeyCapacity]);

// `dllPath`: the DLL's full path, as GetModuleFileNameW gives it.
HRESULT RegisterEngine(const wchar_t* dllPath);
HRESULT UnregisterEngine();

}  // namespace skin
