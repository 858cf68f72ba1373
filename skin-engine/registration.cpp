#include "registration.h"

#include <olectl.h>

#include "skin/skin_engine.h"

namespace skin {
namespace {

struct RegistryKeyTraits {
    using Type = HKEY;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { ::RegCloseKey(h); }
};

HRESULT SetValue(const std::string& subKey, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    LSTATUS status = ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    status = ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1));
    RegistryKeyTraits::Close(key);
    return HRESULT_FROM_WIN32(status);
}

}  // namespace

std::string EngineClassKey()
{
    wchar_t wide[40] = {};
    ::StringFromGUID2(kSkinEngineClsid, wide, 40);
    char clsid[40] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, clsid, sizeof clsid, nullptr, nullptr);
    return std::string("Software\\Classes\\CLSID\\") + clsid;
}

HRESULT RegisterEngine(const std::string& dllPath)
{
    const std::string classKey = EngineClassKey();
    const std::string serverKey = classKey + "\\InprocServer32";
    HRESULT result = SetValue(classKey, nullptr, "Tolvrin Skin Engine");
    if (SUCCEEDED(result)) {
        result = SetValue(serverKey, nullptr, dllPath);
    }
    if (SUCCEEDED(result)) {
        result = SetValue(serverKey, "ThreadingModel", "Apartment");
    }
    if (FAILED(result)) {
        UnregisterEngine();
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT UnregisterEngine()
{
    const LSTATUS status = ::RegDeleteTreeA(HKEY_CURRENT_USER, EngineClassKey().c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}

}  // namespace skin
