#include "support/skin_engine_client.h"

#include <oleauto.h>

#include "support/program_process.h"

namespace test_support {
namespace {

constexpr char kEngineDll[] = "TolvrinSkin.dll";

class Bstr {
public:
    explicit Bstr(const std::string& text)
    {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
        value_ = ::SysAllocStringLen(nullptr, static_cast<UINT>(length > 0 ? length - 1 : 0));
        if (value_ != nullptr && length > 1) {
            ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, value_, length);
        }
    }
    ~Bstr() { ::SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return value_; }

private:
    BSTR value_ = nullptr;
};

}  // namespace

std::string BuiltSkinEnginePath()
{
    return TestBinaryFolder() + "\\..\\bin\\" + kEngineDll;
}

ui::ComPtr<SkinEngine> CreateSkinEngine()
{
    ui::ComPtr<SkinEngine> engine;
    ::CoCreateInstance(kSkinEngineClsid, nullptr, CLSCTX_INPROC_SERVER, kSkinEngineIid, engine.PutVoid());
    return engine;
}

std::string ShippedSkinFolder(const std::string& name)
{
    return TestBinaryFolder() + "\\..\\bin\\skins\\" + name;
}

std::string ShippedSkinFile(const std::string& name)
{
    return ShippedSkinFolder(name) + "\\" + name + ".ini";
}

HRESULT LoadSkin(SkinEngine& engine, const std::string& rootPath, const std::string& skinFile)
{
    Bstr root(rootPath);
    Bstr file(skinFile);
    return engine.LoadSkin(root.Get(), file.Get());
}

HRESULT LoadShippedSkin(SkinEngine& engine, const std::string& name)
{
    return LoadSkin(engine, ShippedSkinFolder(name), name + ".ini");
}

HRESULT ApplyGamma(SkinEngine& engine, float gamma)
{
    ui::ComPtr<IDispatch> automation;
    HRESULT result = engine.GetAutomationObject(automation.Put());
    if (FAILED(result) || !automation) {
        return FAILED(result) ? result : E_POINTER;
    }
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_R4;
    argument.fltVal = gamma;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    return automation->Invoke(kApplyGammaDispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                              nullptr, nullptr, nullptr);
}

bool ForceHighContrast(int forced)
{
    HMODULE engine = ::GetModuleHandleA(kEngineDll);
    if (engine == nullptr) {
        return false;
    }
    using ForceFunction = void(WINAPI*)(int);
    const auto force = reinterpret_cast<ForceFunction>(
        reinterpret_cast<void*>(::GetProcAddress(engine, "SkinEngineForceHighContrast")));
    if (force == nullptr) {
        return false;
    }
    force(forced);
    return true;
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    // The top-level window first: a control that paints without background
    // (the text label) shows what its parent painted beneath it.
    ::RedrawWindow(::GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

}  // namespace test_support
