#include "support/app_mode_setting.h"

namespace test_support {
namespace {

constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t kValue[] = L"AppsUseLightTheme";

HKEY OpenKey()
{
    HKEY key = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                      nullptr);
    return key;
}

}  // namespace

ScopedAppMode::ScopedAppMode()
{
    HKEY key = OpenKey();
    DWORD type = 0;
    DWORD size = 0;
    if (key != nullptr && ::RegQueryValueExW(key, kValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        Saved saved{type, std::vector<BYTE>(size)};
        if (::RegQueryValueExW(key, kValue, nullptr, &type, saved.data.data(), &size) == ERROR_SUCCESS) {
            saved_ = std::move(saved);
        }
    }
    if (key != nullptr) {
        ::RegCloseKey(key);
    }
}

ScopedAppMode::~ScopedAppMode()
{
    if (!changed_) {
        return;
    }
    if (saved_) {
        SetRaw(saved_->type, saved_->data.data(), static_cast<DWORD>(saved_->data.size()));
    } else {
        Remove();
    }
    BroadcastColourSetChange();
}

void ScopedAppMode::Set(bool light)
{
    const DWORD value = light ? 1 : 0;
    SetRaw(REG_DWORD, &value, sizeof value);
}

void ScopedAppMode::SetRaw(DWORD type, const void* data, DWORD size)
{
    changed_ = true;
    HKEY key = OpenKey();
    if (key != nullptr) {
        ::RegSetValueExW(key, kValue, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
}

void ScopedAppMode::Remove()
{
    changed_ = true;
    HKEY key = OpenKey();
    if (key != nullptr) {
        ::RegDeleteValueW(key, kValue);
        ::RegCloseKey(key);
    }
}

void BroadcastColourSetChange()
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                          SMTO_ABORTIFHUNG, 2000, &result);
}

}  // namespace test_support
