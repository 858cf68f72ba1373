#include "dialogs/window_opening.h"

#include "lang/language_table.h"
#include "resource.h"
#include "ui/placement.h"

void WindowOpening::Open(ui::Window window, ui::Window reference)
{
    skin_.Activate(window);
    Finish(window, reference);
}

void WindowOpening::Open(ui::Window window, ui::Window reference, const SkinConfig* skin)
{
    if (skin != nullptr) {
        skin_.Activate(window, *skin);
    }
    Finish(window, reference);
}

void WindowOpening::Finish(ui::Window window, ui::Window reference)
{
    ui::CenterWindow(window, reference);
    TheLanguageTable().TranslateWindow(window);
    icons_.Set(window, IDI_APPLICATION_ICON);
}
