// The skin engine's COM object: one per skinned dialog. It remembers the skin
// and the gamma it was given and shows them on the window it is attached to.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "base/com_object.h"
#include "base/skin_engine_contract.h"
#include "module.h"
#include "skin_file.h"
#include "skinned_window.h"

namespace skin {

class Engine final : public base::ComObject<Engine, SkinEngine, kSkinEngineIid, ModuleCensus> {
public:
    // Creates an engine and asks it for `iid`.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE LoadSkin(BSTR rootPath, BSTR skinFile) override;
    HRESULT STDMETHODCALLTYPE AttachWindow(HWND window) override;
    HRESULT STDMETHODCALLTYPE GetAutomationObject(IDispatch** automation) override;

    // What the automation object's ApplyGamma hands on.
    void ApplyGamma(float gamma);

private:
    friend base::ComObject<Engine, SkinEngine, kSkinEngineIid, ModuleCensus>;
    Engine();
    ~Engine();

    void Show();

    std::optional<SkinDesign> skin_;
    // The skin's look in dark app mode, when its file has one.
    std::optional<SkinDesign> darkSkin_;
    float gamma_ = 0.0f;
    std::unique_ptr<SkinnedWindow> window_;
};

}  // namespace skin
