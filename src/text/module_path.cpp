#include "text/module_path.h"

#include <vector>

namespace {

// Position of the last "\" or ":" that starts a character, or npos. Walked
// forwards: 0x5C is also the trail byte of some double-byte characters.
std::size_t LastSeparator(const std::string& path, unsigned int codePage)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); i = NextCharIndex(path, i, codePage)) {
        if (path[i] == '\\' || path[i] == ':') {
            last = i;
        }
    }
    return last;
}

std::size_t LastDot(const std::string& name, unsigned int codePage)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < name.size(); i = NextCharIndex(name, i, codePage)) {
        if (name[i] == '.') {
            last = i;
        }
    }
    return last;
}

// Long enough for any path: 32,767 UTF-16 units, two ANSI bytes each at most.
constexpr DWORD kLongestModuleFileName = 2 * 32768;

}  // namespace

std::string ReadWholeModuleFileName(const ModuleFileNameReader& read)
{
    std::vector<char> buffer;
    for (DWORD size = MAX_PATH;; size *= 2) {
        buffer.assign(size, '\0');
        const DWORD length = read(buffer.data(), size);
        // GetModuleFileNameA returns the buffer size when it had to truncate
        // (XP does not even terminate the text then): retry with more room.
        if (length < size || size >= kLongestModuleFileName) {
            return std::string(buffer.data(), length < size ? length : size);
        }
    }
}

std::string ModuleFilePath(HMODULE module)
{
    return ReadWholeModuleFileName(
        [module](char* buffer, DWORD size) { return GetModuleFileNameA(module, buffer, size); });
}

std::wstring ModuleFilePathW(HMODULE module)
{
    std::vector<wchar_t> buffer;
    for (DWORD size = MAX_PATH;; size *= 2) {
        buffer.assign(size, L'\0');
        const DWORD length = GetModuleFileNameW(module, buffer.data(), size);
        if (length < size || size >= kLongestModuleFileName) {
            return std::wstring(buffer.data(), length < size ? length : size);
        }
    }
}

std::wstring ModuleFolderW(HMODULE module)
{
    return FolderOfWidePath(ModuleFilePathW(module));
}

std::wstring FolderOfWidePath(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\:");
    if (separator == std::wstring::npos) {
        return {};
    }
    std::wstring folder = path.substr(0, separator);
    if (path[separator] == L':' && folder.find(L':') == std::wstring::npos) {
        folder += L':';
    }
    return folder;
}

std::string ModuleFolder(HMODULE module)
{
    return FolderOfPath(ModuleFilePath(module));
}

std::string ModuleBaseName(HMODULE module, bool keepExtension)
{
    return BaseNameOfPath(ModuleFilePath(module), keepExtension);
}

std::wstring LanguageFilePath(HMODULE module)
{
    return LanguageFilePathFor(LongPathOf(ModuleFilePathW(module)));
}

std::wstring LongPathOf(const std::wstring& path)
{
    if (path.empty()) {
        return path;
    }
    std::wstring longPath(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = ::GetLongPathNameW(path.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
        if (length == 0) {
            return path;
        }
        if (length < longPath.size()) {
            longPath.resize(length);
            return longPath;
        }
        longPath.assign(length, L'\0');  // the room it asks for, terminator included
    }
    return path;
}

std::string FolderOfPath(const std::string& path, unsigned int codePage)
{
    const std::size_t separator = LastSeparator(path, codePage);
    if (separator == std::string::npos) {
        return {};
    }
    std::string folder = path.substr(0, separator);
    // "C:app.exe" leaves "C": the drive needs its colon back to name a folder.
    // Only when the colon was the separator: a network path such as
    // "\\server\share\app.exe" has no colon and must not get one.
    if (path[separator] == ':' && folder.find(':') == std::string::npos) {
        folder += ':';
    }
    return folder;
}

std::string BaseNameOfPath(const std::string& path, bool keepExtension, unsigned int codePage)
{
    const std::size_t separator = LastSeparator(path, codePage);
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    if (!keepExtension) {
        const std::size_t dot = LastDot(name, codePage);
        if (dot != std::string::npos) {
            name.erase(dot);
        }
    }
    return name;
}

std::wstring LanguageFilePathFor(const std::wstring& modulePath)
{
    const std::size_t separator = modulePath.find_last_of(L"\\:");
    if (separator == std::wstring::npos) {
        return {};
    }
    std::wstring name = modulePath.substr(separator + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return FolderOfWidePath(modulePath) + L"\\" + name + L".lng";
}
