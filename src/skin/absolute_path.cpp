#include "skin/absolute_path.h"

#include "text/device_path.h"
#include "text/path_rules.h"

namespace {

bool SameDrive(wchar_t a, wchar_t b)
{
    return (a | 0x20) == (b | 0x20);
}

std::wstring Joined(std::wstring_view folder, std::wstring_view name)
{
    std::wstring joined(folder);
    if (NeedsSeparatorBefore(folder)) {
        joined += L'\\';
    }
    return joined.append(name);
}

// The path as written or resolved, devices included.
std::wstring ResolvedIn(const std::wstring& folder, const std::wstring& path)
{
    if (path.empty() || IsAbsolutePath(path)) {
        return path;
    }
    if (HasDrive(path)) {
        // A drive's current folder belongs to the process that started the
        // program: the folder when it lies on that drive, else the root.
        const std::wstring_view rest = std::wstring_view(path).substr(2);
        if (HasDrive(folder) && SameDrive(folder[0], path[0])) {
            return Joined(folder, rest);
        }
        return Joined(std::wstring_view(path).substr(0, 2), rest);
    }
    if (IsPathSeparator(path[0])) {
        return std::wstring(RootOf(folder)) + path;
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
