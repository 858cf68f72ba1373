#include "text/path_rules.h"

// Views are cut by hand, never with substr(): it throws out_of_range, which
// the skin engine, built without exceptions, cannot link.
namespace {

constexpr std::size_t kNone = std::wstring_view::npos;

std::wstring_view Prefix(std::wstring_view path, std::size_t length)
{
    return {path.data(), length};
}

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool BeginsWithTwoSeparators(std::wstring_view path)
{
    return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

// The first separator at or after `from`, or kNone.
std::size_t SeparatorFrom(std::wstring_view path, std::size_t from)
{
    for (std::size_t i = from; i < path.size(); ++i) {
        if (IsPathSeparator(path[i])) {
            return i;
        }
    }
    return kNone;
}

// Where the name begins: after the last separator, or after a drive's
// colon; 0 for a bare name.
std::size_t NameStart(std::wstring_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return i;
        }
    }
    return HasDrive(path) ? 2 : 0;
}

}  // namespace

bool IsPathSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool HasDrive(std::wstring_view path)
{
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':';
}

bool IsAbsolutePath(std::wstring_view path)
{
    return (HasDrive(path) && path.size() >= 3 && IsPathSeparator(path[2])) || BeginsWithTwoSeparators(path);
}

bool IsDriveOrRootRelative(std::wstring_view path)
{
    if (path.empty() || IsAbsolutePath(path)) {
        return false;
    }
    return IsPathSeparator(path[0]) || (path.size() >= 2 && path[1] == L':');
}

std::wstring_view RootOf(std::wstring_view path)
{
    if (HasDrive(path)) {
        return Prefix(path, 2);
    }
    if (!BeginsWithTwoSeparators(path)) {
        return {};
    }
    // The server's name, then the share's: up to the separator after them.
    const std::size_t afterServer = SeparatorFrom(path, 2);
    const std::size_t afterShare = afterServer == kNone ? kNone : SeparatorFrom(path, afterServer + 1);
    return afterShare == kNone ? path : Prefix(path, afterShare);
}

bool HasFolder(std::wstring_view path)
{
    return NameStart(path) != 0;
}

std::wstring_view FolderOf(std::wstring_view path)
{
    const std::size_t start = NameStart(path);
    if (start == 0) {
        return {};
    }
    // The separator goes; a drive's colon stays, or "C:app.exe" would leave
    // "C", which names no folder.
    return Prefix(path, IsPathSeparator(path[start - 1]) ? start - 1 : start);
}

std::wstring_view NameOf(std::wstring_view path)
{
    const std::size_t start = NameStart(path);
    return {path.data() + start, path.size() - start};
}

std::wstring_view WithoutExtension(std::wstring_view name)
{
    const std::size_t dot = name.rfind(L'.');
    return dot == kNone ? name : Prefix(name, dot);
}

bool NeedsSeparatorBefore(std::wstring_view folder)
{
    return !folder.empty() && !IsPathSeparator(folder.back());
}
