#include "countdown/tray_menu.h"

#include "lang/language_table.h"

base::UniqueMenu BuildTrayMenu(bool windowVisible, bool hideAllowed, const LanguageTable& language)
{
    base::UniqueMenu menu(::CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    const UINT first = windowVisible ? ID_TRAY_HIDE : ID_TRAY_SHOW;
    const char* firstKey = windowVisible ? "_TrayHideInfo" : "_TrayDispInfo";
    const bool greyed = windowVisible && !hideAllowed;
    ::AppendMenuA(menu.Get(), MF_STRING | (greyed ? MF_GRAYED : 0u), first, language.Lookup(firstKey, true).c_str());
    if (!greyed) {
        ::SetMenuDefaultItem(menu.Get(), first, FALSE);
    }
    ::AppendMenuA(menu.Get(), MF_STRING, ID_TRAY_CANCEL, language.Lookup("_TrayCancel", true).c_str());
    return menu;
}

UINT TrackTrayMenu(HMENU menu, ui::Window owner)
{
    if (!::IsMenu(menu)) {
        return 0;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without the owner in the foreground the menu does not close when the
    // user clicks elsewhere.
    owner.BringToForeground();
    const UINT command =
        static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD, cursor.x, cursor.y, 0, owner, nullptr));
    // The documented companion of SetForegroundWindow before a menu: without a
    // message to the owner after the menu, the menu may fail to close, or to
    // open the next time.
    ::PostMessageA(owner, WM_NULL, 0, 0);
    return command;
}
