// The notification-area icon's menu: show or hide the countdown window, or
// cancel the run. Built and tracked separately so the menu can be inspected.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"
#include "ui/window.h"

class LanguageTable;

enum TrayCommand : UINT {
    ID_TRAY_SHOW = 1,
    ID_TRAY_CANCEL = 2,
    ID_TRAY_HIDE = 3,
};

// Two entries: show (while hidden) or hide (while shown) as the default item,
// then cancel. Hide is greyed, and no default, when the window cannot be
// hidden (the last seconds).
base::UniqueMenu BuildTrayMenu(bool windowVisible, bool hideAllowed, const LanguageTable& language);

// Opens the menu at the cursor and returns the chosen command, 0 if dismissed.
UINT TrackTrayMenu(HMENU menu, ui::Window owner);
