// The skin engine: a COM component outside the program that gives a window
// and its controls the look of a skin. The program and the engine that ships
// with it both build against this declaration.
#pragma once

#include <windows.h>
#include <oaidl.h>

// {FCB8E994-A09D-4521-838F-5A20FEF4018D}
inline constexpr CLSID kSkinEngineClsid = {
    0xFCB8E994, 0xA09D, 0x4521, {0x83, 0x8F, 0x5A, 0x20, 0xFE, 0xF4, 0x01, 0x8D}};
// {450068DC-CF1A-4E58-BB41-46267C78A1AB}
inline constexpr IID kSkinEngineIid = {
    0x450068DC, 0xCF1A, 0x4E58, {0xBB, 0x41, 0x46, 0x26, 0x7C, 0x78, 0xA1, 0xAB}};

// On the automation object: ApplyGamma(float), invoked as DISPATCH_METHOD
// with exactly one positional VT_R4 argument and no result.
constexpr DISPID kApplyGammaDispId = 51;

// The vtable order after IUnknown is part of the contract: LoadSkin,
// AttachWindow, GetAutomationObject.
//
// An engine must undo everything it did to a window (subclassing, fonts,
// brushes) when its last reference is released, even while the window lives:
// a dialog whose engine reported a failure releases it at once and goes on
// with the platform's look.
struct SkinEngine : public IUnknown {
    // Loads the skin file `skinFile` (absolute, or relative to `rootPath`)
    // and applies it to the attached window. Empty texts load no skin.
    virtual HRESULT STDMETHODCALLTYPE LoadSkin(BSTR rootPath, BSTR skinFile) = 0;
    // The window (a dialog) whose look the engine takes over.
    virtual HRESULT STDMETHODCALLTYPE AttachWindow(HWND window) = 0;
    // The automation object through which ApplyGamma is invoked; the caller
    // sets `automation` to null beforehand and releases what comes back.
    virtual HRESULT STDMETHODCALLTYPE GetAutomationObject(IDispatch** automation) = 0;

protected:
    ~SkinEngine() = default;
};
