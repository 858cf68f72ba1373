// How each of the program's windows opens, in its WM_INITDIALOG: the skin
// engine, where one is installed, takes the window over first, before any
// text or position is set; then the window is centred, its texts are
// translated and it gets the program's icons. The object keeps the window's
// skin and icons for as long as the window lives: a member of the window's
// object, declared before whatever uses the icons.
#pragma once

#include "skin/skin_activation.h"
#include "ui/window.h"
#include "ui/window_icons.h"

class WindowOpening {
public:
    // With the program's own skin (common.xml), centred on `reference`: on
    // the work area when it is null, hidden or minimised (ui::CenterWindow).
    void Open(ui::Window window, ui::Window reference);
    // With the skin that `skin` describes, or with none (the system's look)
    // when it is null.
    void Open(ui::Window window, ui::Window reference, const SkinConfig* skin);

    const SkinActivation& Skin() const { return skin_; }
    const ui::WindowIcons& Icons() const { return icons_; }

private:
    void Finish(ui::Window window, ui::Window reference);

    SkinActivation skin_;
    ui::WindowIcons icons_;
};
