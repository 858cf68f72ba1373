#include "title_bar.h"

namespace skin {
namespace {

constexpr DWORD kImmersiveDarkMode = 20;
constexpr DWORD kImmersiveDarkModeBefore18985 = 19;

using SetAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// From the system folder only: LOAD_LIBRARY_SEARCH_SYSTEM32 where Windows
// knows it (ERROR_INVALID_PARAMETER without KB2533623), else the full path.
HMODULE LoadDwmApi()
{
    HMODULE module = ::LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    wchar_t path[MAX_PATH + 16] = {};
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    ::lstrcatW(path, L"\\dwmapi.dll");
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void SetDarkTitleBar(HWND window, bool dark)
{
    HMODULE dwmApi = LoadDwmApi();
    if (dwmApi == nullptr) {
        return;
    }
    const auto setAttribute = reinterpret_cast<SetAttributeFunction>(
        reinterpret_cast<void*>(::GetProcAddress(dwmApi, "DwmSetWindowAttribute")));
    if (setAttribute != nullptr) {
        const BOOL value = dark ? TRUE : FALSE;
        if (FAILED(setAttribute(window, kImmersiveDarkMode, &value, sizeof value))) {
            setAttribute(window, kImmersiveDarkModeBefore18985, &value, sizeof value);
        }
    }
    ::FreeLibrary(dwmApi);
}

}  // namespace skin
