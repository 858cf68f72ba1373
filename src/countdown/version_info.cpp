#include "countdown/version_info.h"

#include <cstring>
#include <cwchar>
#include <vector>

#include "text/wide_text.h"
#include "ui/system_library.h"

namespace {

// version.dll's three calls, taken from the system folder on first use (the
// caption and the tray tip read the version at start-up) and held for the
// life of the process: its end frees the library. Where the DLL or a call is
// missing, the entries read as "": the caption and the tip then lack the name
// and version, nothing more.
struct VersionCalls {
    decltype(&::GetFileVersionInfoSizeW) getFileVersionInfoSize;
    decltype(&::GetFileVersionInfoW) getFileVersionInfo;
    decltype(&::VerQueryValueW) verQueryValue;

    bool Complete() const { return getFileVersionInfoSize && getFileVersionInfo && verQueryValue; }
};

const VersionCalls& TheVersionCalls()
{
    static const HMODULE library = ui::LoadSystemLibrary("version.dll").Release();
    static const VersionCalls calls = {
        ui::SystemFunction<decltype(&::GetFileVersionInfoSizeW)>(library, "GetFileVersionInfoSizeW"),
        ui::SystemFunction<decltype(&::GetFileVersionInfoW)>(library, "GetFileVersionInfoW"),
        ui::SystemFunction<decltype(&::VerQueryValueW)>(library, "VerQueryValueW"),
    };
    return calls;
}

}  // namespace

std::string VersionEntryQuery(WORD language, WORD codePage, const std::string& entry)
{
    // wsprintfA, not snprintf: MinGW's snprintf links a printf of its own.
    char block[16];
    ::wsprintfA(block, "%04x%04x", static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return std::string("\\StringFileInfo\\") + block + "\\" + entry;
}

std::string ReadVersionEntry(const std::wstring& path, const std::string& entry)
{
    const VersionCalls& version = TheVersionCalls();
    if (!version.Complete()) {
        return std::string();
    }
    const DWORD size = version.getFileVersionInfoSize(path.c_str(), nullptr);
    if (size == 0) {
        return std::string();
    }
    std::vector<char> block(size);
    if (!version.getFileVersionInfo(path.c_str(), 0, size, block.data())) {
        return std::string();
    }

    void* translation = nullptr;
    UINT translationBytes = 0;
    if (!version.verQueryValue(block.data(), L"\\VarFileInfo\\Translation", &translation, &translationBytes) ||
        translation == nullptr || translationBytes < 2 * sizeof(WORD)) {
        return std::string();
    }
    // Only the first pair counts, even when the file lists several.
    WORD pair[2];
    std::memcpy(pair, translation, sizeof pair);

    void* text = nullptr;
    UINT textLength = 0;
    const std::wstring query = ToWide(VersionEntryQuery(pair[0], pair[1], entry));
    if (!version.verQueryValue(block.data(), query.c_str(), &text, &textLength) || text == nullptr) {
        return std::string();
    }
    // VerQueryValueW points into our block. A damaged resource may lack the
    // terminating zero, so never read past the block's end.
    const char* first = static_cast<const char*>(text);
    const char* end = block.data() + block.size();
    if (first < block.data() || first >= end) {
        return std::string();
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(first);
    const std::size_t room = static_cast<std::size_t>(end - first) / sizeof(wchar_t);
    std::string ansi;
    ToCodePageExactly(std::wstring_view(wide, ::wcsnlen(wide, room)), ansi);
    return ansi;
}

std::string ReadProductName(const std::wstring& path)
{
    return ReadVersionEntry(path, "ProductName");
}

std::string ReadProductVersion(const std::wstring& path)
{
    return ReadVersionEntry(path, "ProductVersion");
}
