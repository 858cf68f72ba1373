#include "registration.h"

#include <olectl.h>

#include "base/skin_engine_contract.h"
#include "base/unique_handle.h"

namespace skin {
namespace {

constexpr wchar_t kClassesClsid[] = L"Software\\Classes\\CLSID\\";
constexpr int kSubKeyCapacity = kEngineClassKeyCapacity + 16;

HRESULT SetValue(const wchar_t* subKey, const wchar_t* name, const wchar_t* value)
{
    HKEY created = nullptr;
    LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_SET_VALUE, nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    const base::UniqueRegistryKey key(created);
    status = ::RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                              static_cast<DWORD>((::lstrlenW(value) + 1) * sizeof(wchar_t)));
    return HRESULT_FROM_WIN32(status);
}

}  // namespace

void EngineClassKey(wchar_t (&key)[kEngineClassKeyCapacity])
{
    ::lstrcpynW(key, kClassesClsid, kEngineClassKeyCapacity);
    const int used = ::lstrlenW(key);
    ::StringFromGUID2(kSkinEngineClsid, key + used, kEngineClassKeyCapacity - used);
}

HRESULT RegisterEngine(const wchar_t* dllPath)
{
    wchar_t classKey[kEngineClassKeyCapacity] = {};
    EngineClassKey(classKey);
    wchar_t serverKey[kSubKeyCapacity] = {};
    ::lstrcpynW(serverKey, classKey, kSubKeyCapacity);
    ::lstrcatW(serverKey, L"\\InprocServer32");
    HRESULT result = SetValue(classKey, nullptr, L"Tolvrin Skin Engine");
    if (SUCCEEDED(result)) {
        result = SetValue(serverKey, nullptr, dllPath);
    }
    if (SUCCEEDED(result)) {
        result = SetValue(serverKey, L"ThreadingModel", L"Apartment");
    }
    if (FAILED(result)) {
        UnregisterEngine();
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT UnregisterEngine()
{
    wchar_t classKey[kEngineClassKeyCapacity] = {};
    EngineClassKey(classKey);
    const LSTATUS status = ::RegDeleteTreeW(HKEY_CURRENT_USER, classKey);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}

}  // namespace skin
