#include "skin/path_macros.h"

#include <shlobj.h>

#include <array>
#include <cwchar>
#include <optional>
#include <utility>

#include "text/module_path.h"
#include "ui/system_library.h"

namespace path_macros {
namespace {

struct Macro {
    const wchar_t* name;
    Folder folder;
};

constexpr Macro kMacros[] = {
    {L"%AppData%", Folder::AppData},
    {L"%CommonAppData%", Folder::CommonAppData},
    {L"%LocalAppData%", Folder::CommonAppData},
    {L"%ModulePath%", Folder::ModulePath},
    {L"%Personal%", Folder::Personal},
    {L"%SystemDirectory%", Folder::SystemDirectory},
    {L"%TempDirectory%", Folder::TempDirectory},
    {L"%Windows%", Folder::Windows},
    {L"%WindowsDirectory%", Folder::Windows},
};
constexpr std::size_t kFolderCount = static_cast<std::size_t>(Folder::Windows) + 1;

using ShGetFolderPathW = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);

// GetSystemDirectoryW, GetWindowsDirectoryW and GetTempPathW give the length
// they wrote, or the size they would need when the buffer is too small.
std::wstring Written(UINT length, const wchar_t* buffer, UINT size)
{
    return length > 0 && length < size ? std::wstring(buffer, length) : std::wstring();
}

// This computer's folders for one expansion: each asked for once, at its
// first use, and shfolder.dll loaded once, at the first shell folder.
class SystemFolders {
public:
    explicit SystemFolders(const LibraryLoader& loadShellFolder) : loadShellFolder_(loadShellFolder) {}
    SystemFolders(const SystemFolders&) = delete;
    SystemFolders& operator=(const SystemFolders&) = delete;

    std::wstring Get(Folder folder)
    {
        std::optional<std::wstring>& known = known_[static_cast<std::size_t>(folder)];
        if (!known) {
            known = Query(folder);
        }
        return *known;
    }

private:
    std::wstring Query(Folder folder)
    {
        switch (folder) {
        case Folder::AppData:
            return ShellFolder(CSIDL_APPDATA);
        case Folder::CommonAppData:
            return ShellFolder(CSIDL_COMMON_APPDATA);
        case Folder::ModulePath:
            return ModuleFolder(nullptr);
        case Folder::Personal:
            return ShellFolder(CSIDL_PERSONAL);
        case Folder::SystemDirectory: {
            wchar_t buffer[MAX_PATH] = {};
            return Written(::GetSystemDirectoryW(buffer, MAX_PATH), buffer, MAX_PATH);
        }
        case Folder::TempDirectory: {
            // MAX_PATH + 1: the folder comes with a trailing backslash.
            wchar_t buffer[MAX_PATH + 1] = {};
            return Written(::GetTempPathW(MAX_PATH + 1, buffer), buffer, MAX_PATH + 1);
        }
        case Folder::Windows: {
            wchar_t buffer[MAX_PATH] = {};
            return Written(::GetWindowsDirectoryW(buffer, MAX_PATH), buffer, MAX_PATH);
        }
        }
        return {};
    }

    std::wstring ShellFolder(int csidl)
    {
        if (!loadTried_) {
            loadTried_ = true;
            library_.Reset(loadShellFolder_ ? loadShellFolder_() : nullptr);
            // GetProcAddress gives a FARPROC; the cast through void* keeps
            // -Wcast-function-type quiet about what is known to be right.
            query_ = !library_
                         ? nullptr
                         : reinterpret_cast<ShGetFolderPathW>(
                               reinterpret_cast<void*>(::GetProcAddress(library_.Get(), "SHGetFolderPathW")));
        }
        if (query_ == nullptr) {
            return {};
        }
        // Only the buffer counts: a failed query may still have written nothing.
        wchar_t buffer[MAX_PATH] = {};
        query_(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer);
        return std::wstring(buffer, ::wcsnlen(buffer, MAX_PATH));
    }

    const LibraryLoader& loadShellFolder_;
    bool loadTried_ = false;
    ui::UniqueModule library_;
    ShGetFolderPathW query_ = nullptr;
    std::array<std::optional<std::wstring>, kFolderCount> known_;
};

std::wstring Lowered(std::wstring text)
{
    if (!text.empty()) {
        ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

}  // namespace

HMODULE LoadShellFolderLibrary()
{
    // The one owner is the expansion's cache, which frees it at its end.
    return ui::LoadSystemLibrary("shfolder.dll").Release();
}

std::wstring ExpandWith(std::wstring text, const FolderSource& folders)
{
    for (const Macro& macro : kMacros) {
        const std::wstring name = macro.name;
        // CharLowerBuffW keeps the length, so a position in the lowered text
        // is the same position in the text.
        const std::size_t at = Lowered(text).find(Lowered(name));
        if (at == std::wstring::npos) {
            continue;
        }
        std::wstring folder = folders(macro.folder);
        if (!folder.empty() && folder.back() == L'\\') {
            folder.pop_back();
        }
        if (!folder.empty()) {
            text.replace(at, name.size(), folder);
        }
    }
    return text;
}

std::wstring Expand(std::wstring text, const LibraryLoader& loadShellFolder)
{
    SystemFolders folders(loadShellFolder);
    return ExpandWith(std::move(text), [&folders](Folder folder) { return folders.Get(folder); });
}

}  // namespace path_macros
