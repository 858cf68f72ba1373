#include "skin/skin_activation.h"

#include "ui/com_text.h"

namespace {

constexpr DWORD kAnyContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

}  // namespace

void SkinActivation::Activate(HWND dialog)
{
    Activate(dialog, ReadSkinConfig());
}

void SkinActivation::Activate(HWND dialog, const SkinConfig& config)
{
    ::CoCreateInstance(kSkinEngineClsid, nullptr, kAnyContext, kSkinEngineIid, engine_.PutVoid());
    if (!engine_) {
        return;
    }
    // An engine that reports a failure is let go at once: releasing its last
    // reference undoes what it did to the window, which stays usable.
    if (FAILED(engine_->AttachWindow(dialog)) || !ApplyGamma(config.gamma)) {
        engine_.Reset();
        return;
    }
    const UniqueBstr rootPath = WideToBstr(config.rootpath);
    const UniqueBstr skinFile = WideToBstr(config.uis);
    if (FAILED(engine_->LoadSkin(rootPath.Get(), skinFile.Get()))) {
        engine_.Reset();
        return;
    }
    config_ = config;
}

// False when the engine failed; an engine without an automation object
// simply takes no gamma.
bool SkinActivation::ApplyGamma(float gamma)
{
    ui::ComPtr<IDispatch> automation;
    if (FAILED(engine_->GetAutomationObject(automation.Put()))) {
        return false;
    }
    if (!automation) {
        return true;
    }
    VARIANTARG argument;
    ::VariantInit(&argument);
    argument.vt = VT_R4;
    argument.fltVal = gamma;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    return SUCCEEDED(automation->Invoke(kApplyGammaDispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                        &parameters, nullptr, nullptr, nullptr));
}
