// A window's big and small icon, both taken from one icon resource at the
// sizes the system asks for: the big one (SM_CXICON) for Alt+Tab, the small
// one (SM_CXSMICON) for the caption, the taskbar and the notification area,
// each the resource's own image rather than the other one shrunk.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"
#include "ui/window.h"

namespace ui {

class WindowIcons {
public:
    // Loads both sizes of icon resource `iconId` of the framework's module
    // and sets them on `window` (WM_SETICON). The window does not destroy
    // them: this object owns them and must outlive it.
    void Set(Window window, int iconId);

    HICON Big() const { return big_; }
    HICON Small() const { return small_; }

private:
    base::UniqueIcon ownBig_;
    base::UniqueIcon ownSmall_;
    // The owned icons, or where a size could not be loaded the resource's
    // shared icon (LoadIconA), which must never be destroyed.
    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace ui
