#include "app_mode.h"

#include <cmath>

namespace skin {
namespace {

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t kAppsUseLightTheme[] = L"AppsUseLightTheme";

double Linear(BYTE channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF colour)
{
    return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) +
           0.0722 * Linear(GetBValue(colour));
}

}  // namespace

bool AppsUseDarkMode()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kPersonalizeKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD value = 1;
    DWORD size = sizeof value;
    const LSTATUS status =
        ::RegQueryValueExW(key, kAppsUseLightTheme, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value && value == 0;
}

// White text on the colour has more contrast than black text: the
// luminance at which both are equal is about 0.179.
bool IsDarkColour(COLORREF colour)
{
    const double luminance = Luminance(colour);
    return (1.05 / (luminance + 0.05)) > ((luminance + 0.05) / 0.05);
}

}  // namespace skin
