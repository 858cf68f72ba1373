#include "skin/absolute_path.h"

#include "text/device_path.h"

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool HasDrive(const std::wstring& path)
{
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':';
}

bool IsDoubleSeparator(const std::wstring& path)
{
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

bool SameDrive(wchar_t a, wchar_t b)
{
    return (a | 0x20) == (b | 0x20);
}

// "C:" of "C:\dir", "\\server\share" of "\\server\share\dir" (and "\\?\C:"
// of "\\?\C:\dir"); empty for a folder that names neither.
std::wstring RootOf(const std::wstring& folder)
{
    if (HasDrive(folder)) {
        return folder.substr(0, 2);
    }
    if (!IsDoubleSeparator(folder)) {
        return {};
    }
    std::size_t end = 2;
    for (int part = 0; part < 2 && end != std::wstring::npos; ++part) {
        end = folder.find_first_of(L"\\/", end + (part == 0 ? 0 : 1));
    }
    return folder.substr(0, end);
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name)
{
    if (folder.empty() || IsSeparator(folder.back())) {
        return folder + name;
    }
    return folder + L"\\" + name;
}

// The path as written or resolved, devices included.
std::wstring ResolvedIn(const std::wstring& folder, const std::wstring& path)
{
    if (path.empty() || IsDoubleSeparator(path)) {
        return path;
    }
    if (HasDrive(path)) {
        if (path.size() >= 3 && IsSeparator(path[2])) {
            return path;
        }
        // A drive's current folder belongs to the process that started the
        // program: the folder when it lies on that drive, else the root.
        const std::wstring rest = path.substr(2);
        if (HasDrive(folder) && SameDrive(folder[0], path[0])) {
            return Joined(folder, rest);
        }
        return path.substr(0, 2) + L"\\" + rest;
    }
    if (IsSeparator(path[0])) {
        return RootOf(folder) + path;
    }
    return Joined(folder, path);
}

}  // namespace

std::wstring AbsolutePathIn(const std::wstring& folder, const std::wstring& path)
{
    std::wstring resolved = ResolvedIn(folder, path);
    if (NamesDevice(resolved.c_str())) {
        return {};
    }
    return resolved;
}
