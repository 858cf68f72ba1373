// Windows' app mode for a test: AppsUseLightTheme under the user's
// Personalize key, written for the test and put back as it was when the
// object goes (the Wine prefix is shared by every test of a run), and the
// broadcast with which Windows tells the open windows that it changed.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace test_support {

class ScopedAppMode {
public:
    // Notes the value as it is; changes nothing yet.
    ScopedAppMode();
    // Puts the value back (or removes it, if there was none) and broadcasts
    // the change when a test changed it.
    ~ScopedAppMode();
    ScopedAppMode(const ScopedAppMode&) = delete;
    ScopedAppMode& operator=(const ScopedAppMode&) = delete;

    // AppsUseLightTheme as the DWORD 1 (light) or 0 (dark).
    void Set(bool light);
    // The value with any type and data, or none at all.
    void SetRaw(DWORD type, const void* data, DWORD size);
    void Remove();

private:
    struct Saved {
        DWORD type;
        std::vector<BYTE> data;
    };
    std::optional<Saved> saved_;
    bool changed_ = false;
};

// WM_SETTINGCHANGE with "ImmersiveColorSet" to every top-level window, as
// Windows sends it when the user switches the app mode.
void BroadcastColourSetChange();

}  // namespace test_support
