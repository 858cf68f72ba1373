// Windows' app mode (Settings, Personalisation, Colours: "Choose your app
// mode"), which a skin with a dark variant follows.
#pragma once

#include <windows.h>

namespace skin {

// True when the user chose dark apps: AppsUseLightTheme under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize is the
// DWORD 0. Missing (Windows before 10), of another type or any other number:
// light.
bool AppsUseDarkMode();

// True for a colour on which light text reads better than dark: the look a
// window paints is dark when its background is.
bool IsDarkColour(COLORREF colour);

}  // namespace skin
