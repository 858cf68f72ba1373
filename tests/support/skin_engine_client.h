// Drives a skin engine the way the program does, from tests: creation through
// the manifest's registration-free COM entry (the engine DLL beside the test
// executable), the skin file, gamma through the automation object, and the
// High Contrast seam of the engine's test build.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/skin_engine_contract.h"
#include "base/com_ptr.h"

namespace test_support {

// COM for the test's thread, for as long as the object lives.
class ScopedComApartment {
public:
    ScopedComApartment() { ::CoInitialize(nullptr); }
    ~ScopedComApartment() { ::CoUninitialize(); }
    ScopedComApartment(const ScopedComApartment&) = delete;
    ScopedComApartment& operator=(const ScopedComApartment&) = delete;
};

// The engine DLL built beside the program (bin\TolvrinSkin.dll), from the
// folder of any test executable of the build.
std::string BuiltSkinEnginePath();

// The engine's test build (skin_testing\TolvrinSkinTesting.dll): the same
// engine with the High Contrast seam exported. Reach it with a
// ScopedSkinEngine (support/skin_engine.h).
std::string TestingSkinEnginePath();

// CoCreateInstance of the engine's CLSID; empty when no engine was found.
base::ComPtr<SkinEngine> CreateSkinEngine();

// The folder of a skin shipped beside the built program, e.g. "dark".
std::string ShippedSkinFolder(const std::string& name);
// Its skin file: skins\dark\dark.ini.
std::string ShippedSkinFile(const std::string& name);

// LoadSkin with the texts converted to BSTRs, as the program passes them.
HRESULT LoadSkin(SkinEngine& engine, const std::string& rootPath, const std::string& skinFile);
// LoadSkin with wide texts, for names outside the ANSI code page.
HRESULT LoadSkinWide(SkinEngine& engine, const std::wstring& rootPath, const std::wstring& skinFile);
// LoadSkin of a shipped skin: "light" loads skins\light\light.ini.
HRESULT LoadShippedSkin(SkinEngine& engine, const std::string& name);
// ApplyGamma (DISPID 51) through the engine's automation object.
HRESULT ApplyGamma(SkinEngine& engine, float gamma);

// The test build's seam: 1 reports High Contrast on, 0 off, -1 asks the
// system again. False when the test build is not loaded.
bool ForceHighContrast(int forced);

// The colour at a point of a window's client area, once every pending paint
// of the window and its controls is done.
COLORREF ClientPixel(HWND window, int x, int y);

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them: text needs 4.5:1 against what it is painted on.
double ContrastRatio(COLORREF a, COLORREF b);

// A .bmp file of 24 bits per pixel in one colour; a negative height makes a
// top-down picture.
std::string BitmapFile(int width, int height, COLORREF colour);

}  // namespace test_support
