#include "ui/window_icons.h"

#include <utility>

#include "ui/ui_module.h"

namespace ui {

namespace {

HICON LoadIconOfSize(base::UniqueIcon& owner, int iconId, int widthMetric, int heightMetric)
{
    const HINSTANCE instance = TheUiModule().Instance();
    owner.Reset(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                ::GetSystemMetrics(widthMetric), ::GetSystemMetrics(heightMetric),
                                                LR_DEFAULTCOLOR)));
    return owner ? owner.Get() : ::LoadIconA(instance, MAKEINTRESOURCEA(iconId));
}

}  // namespace

void WindowIcons::Set(Window window, int iconId)
{
    // The icons of an earlier call are destroyed only once the window has
    // the new ones.
    base::UniqueIcon ownBig;
    base::UniqueIcon ownSmall;
    big_ = LoadIconOfSize(ownBig, iconId, SM_CXICON, SM_CYICON);
    small_ = LoadIconOfSize(ownSmall, iconId, SM_CXSMICON, SM_CYSMICON);
    window.SetIcons(big_, small_);
    ownBig_ = std::move(ownBig);
    ownSmall_ = std::move(ownSmall);
}

}  // namespace ui
