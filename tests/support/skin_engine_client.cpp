#include "support/skin_engine_client.h"

#include <oleauto.h>

#include <algorithm>
#include <cmath>

#include "support/program_process.h"
#include "text/wide_text.h"

namespace test_support {
namespace {

constexpr char kEngineDll[] = "TolvrinSkin.dll";
constexpr char kTestingEngineDll[] = "TolvrinSkinTesting.dll";

class Bstr {
public:
    explicit Bstr(const std::wstring& text)
        : value_(::SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size())))
    {
    }
    explicit Bstr(const std::string& text) : Bstr(ToWide(text)) {}
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

std::string TestingSkinEnginePath()
{
    return TestBinaryFolder() + "\\..\\skin_testing\\" + kTestingEngineDll;
}

base::ComPtr<SkinEngine> CreateSkinEngine()
{
    base::ComPtr<SkinEngine> engine;
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

HRESULT LoadSkinWide(SkinEngine& engine, const std::wstring& rootPath, const std::wstring& skinFile)
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
    base::ComPtr<IDispatch> automation;
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
    HMODULE engine = ::GetModuleHandleA(kTestingEngineDll);
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

namespace {

double Luminance(COLORREF colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

}  // namespace

double ContrastRatio(COLORREF a, COLORREF b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string BitmapFile(int width, int height, COLORREF colour)
{
    const int rows = height < 0 ? -height : height;
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows * stride);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row;
    for (int x = 0; x < width; ++x) {
        row += static_cast<char>(GetBValue(colour));
        row += static_cast<char>(GetGValue(colour));
        row += static_cast<char>(GetRValue(colour));
    }
    row.append(static_cast<std::size_t>(stride - width * 3), '\0');
    for (int y = 0; y < rows; ++y) {
        bytes += row;
    }
    return bytes;
}

}  // namespace test_support
