#include "skin/skin_activation.h"

#include "ui/com_text.h"

void SkinActivation::Activate(ui::Window dialog)
{
    // An engine that an earlier dialog let go still has its DLL held by COM:
    // it goes now, unless this dialog creates the next one at once.
    ::CoFreeUnusedLibraries();
    Activate(dialog, ReadSkinConfig());
}

void SkinActivation::Activate(ui::Window dialog, const SkinConfig& config)
{
    // No skin, no engine: creating one would load its DLL and OLE Automation
    // for a window that keeps the system's look anyway.
    if (config.uis.empty()) {
        return;
    }
    // Made first, so that OLE Automation is loaded from the system folder
    // (through the executable's delayed import) before the engine's DLL is:
    // that DLL imports it by name, and the name is then found loaded rather
    // than searched for beside the engine.
    const UniqueBstr rootPath = WideToBstr(config.rootpath);
    const UniqueBstr skinFile = WideToBstr(config.uis);
    // In-process only: the engine subclasses this process's windows, which a
    // server in another process cannot, and a local-server entry under the
    // engine's class would have the program start whatever executable it
    // names.
    ::CoCreateInstance(kSkinEngineClsid, nullptr, CLSCTX_INPROC_SERVER, kSkinEngineIid, engine_.PutVoid());
    if (!engine_) {
        return;
    }
    // An engine that reports a failure is let go at once: releasing its last
    // reference undoes what it did to the window, which stays usable.
    if (FAILED(engine_->AttachWindow(dialog)) || !ApplyGamma(config.gamma)) {
        engine_.Reset();
        return;
    }
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
    base::ComPtr<IDispatch> automation;
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
