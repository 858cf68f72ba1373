// The skin of one dialog: a member of each skinned dialog, activated first in
// its WM_INITDIALOG, holding the dialog's one reference to the skin engine
// until the dialog object goes (before start-up uninitialises COM).
#pragma once

#include <windows.h>

#include "skin/skin_config.h"
#include "base/skin_engine_contract.h"
#include "base/com_ptr.h"
#include "ui/window.h"

class SkinActivation {
public:
    // Reads common.xml and hands it with the window to a new engine. Without
    // a skin file (no common.xml, no activateskin, an empty uis) no engine is
    // created at all; without an engine, or when one of its operations
    // fails, the window keeps the platform's look.
    void Activate(ui::Window dialog);
    // The same with the configuration given.
    void Activate(ui::Window dialog, const SkinConfig& config);

    // True while this dialog holds an engine.
    bool HoldsEngine() const { return static_cast<bool>(engine_); }

    // The configuration this dialog's engine shows, for a window that opens
    // from this one with the same look; null while no engine is held.
    const SkinConfig* ShownConfig() const { return engine_ ? &config_ : nullptr; }

private:
    bool ApplyGamma(float gamma);

    base::ComPtr<SkinEngine> engine_;
    SkinConfig config_;
};
