// The DLL's exports: the four of an in-process COM server, and the High
// Contrast seam for tests.
#include <windows.h>
#include <olectl.h>

#include <new>
#include <string>

#include "class_factory.h"
#include "high_contrast.h"
#include "module.h"
#include "registration.h"
#include "skin/skin_engine.h"

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        skin::SetModuleInstance(instance);
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kSkinEngineClsid)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new (std::nothrow) skin::ClassFactory();
    if (factory == nullptr) {
        return E_OUTOFMEMORY;
    }
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow() { return skin::CanUnloadModule() ? S_OK : S_FALSE; }

STDAPI DllRegisterServer()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(skin::ModuleInstance(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return SELFREG_E_CLASS;
    }
    try {
        return skin::RegisterEngine(path);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

STDAPI DllUnregisterServer()
{
    try {
        return skin::UnregisterEngine();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

// Tests only: Wine cannot switch High Contrast on. -1 asks the system again;
// 0 or 1 is the answer until the next call. Windows attached at the time
// change their look on their next WM_SETTINGCHANGE, as they would for the
// real switch.
void WINAPI SkinEngineForceHighContrast(int forced) { skin::ForceHighContrast(forced); }

}  // extern "C"
