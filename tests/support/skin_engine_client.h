// Drives a skin engine the way the program does, from tests: creation through
// the manifest's registration-free COM entry (the engine DLL beside the test
// executable), the skin file, gamma through the automation object, and the
// engine DLL's High Contrast seam.
#pragma once

#include <windows.h>

#include <string>

#include "skin/skin_engine.h"
#include "ui/com_ptr.h"

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

// CoCreateInstance of the engine's CLSID; empty when no engine was found.
ui::ComPtr<SkinEngine> CreateSkinEngine();

// The folder of a skin shipped beside the built program, e.g. "dark".
std::string ShippedSkinFolder(const std::string& name);
// Its skin file: skins\dark\dark.ini.
std::string ShippedSkinFile(const std::string& name);

// LoadSkin with the texts converted to BSTRs, as the program passes them.
HRESULT LoadSkin(SkinEngine& engine, const std::string& rootPath, const std::string& skinFile);
// LoadSkin of a shipped skin: "light" loads skins\light\light.ini.
HRESULT LoadShippedSkin(SkinEngine& engine, const std::string& name);
// ApplyGamma (DISPID 51) through the engine's automation object.
HRESULT ApplyGamma(SkinEngine& engine, float gamma);

// The engine DLL's test seam: 1 reports High Contrast on, 0 off, -1 asks the
// system again. False when the engine DLL is not loaded.
bool ForceHighContrast(int forced);

// The colour at a point of a window's client area, once every pending paint
// of the window and its controls is done.
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace test_support
