// The DLL's exports: the four of an in-process COM server. The test build
// (TolvrinSkinTesting.dll, never shipped) adds the High Contrast seam.
#include <windows.h>
#include <olectl.h>

#include <new>

#include "base/skin_engine_contract.h"
#include "class_factory.h"
#include "high_contrast.h"
#include "module.h"
#include "registration.h"

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

// The path as the wide call gives it: a folder named outside the ANSI code
// page comes back whole. Long paths get a buffer as long as they need.
STDAPI DllRegisterServer()
{
    for (DWORD capacity = MAX_PATH; capacity <= 32768; capacity *= 2) {
        auto* path = static_cast<wchar_t*>(::HeapAlloc(::GetProcessHeap(), 0, capacity * sizeof(wchar_t)));
        if (path == nullptr) {
            return E_OUTOFMEMORY;
        }
        const DWORD length = ::GetModuleFileNameW(skin::ModuleInstance(), path, capacity);
        HRESULT result = SELFREG_E_CLASS;
        const bool fits = length != 0 && length < capacity;
        if (fits) {
            result = skin::RegisterEngine(path);
        }
        ::HeapFree(::GetProcessHeap(), 0, path);
        if (fits || length == 0) {
            return result;
        }
    }
    return SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() { return skin::UnregisterEngine(); }

#ifdef TOLVRIN_SKIN_TEST_SEAM
// Tests only: Wine cannot switch High Contrast on. -1 asks the system again;
// 0 or 1 is the answer until the next call. Windows attached at the time
// change their look on their next WM_SETTINGCHANGE, as they would for the
// real switch.
void WINAPI SkinEngineForceHighContrast(int forced) { skin::ForceHighContrast(forced); }
#endif

}  // extern "C"
