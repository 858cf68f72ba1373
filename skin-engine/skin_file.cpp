#include "skin_file.h"

#include <utility>

#include "ui/unique_handle.h"

namespace skin {
namespace {

constexpr wchar_t kSection[] = L"Skin";
constexpr int kLargestFontPoints = 72;
// Longer values are no colour, name or number the engine would take.
constexpr DWORD kValueCapacity = 512;
constexpr DWORD kSectionNamesCapacity = 4096;

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// The folder part of a full path, without its last separator.
std::size_t FolderLength(const wchar_t* path)
{
    std::size_t folder = 0;
    for (std::size_t i = 0; path[i] != L'\0'; ++i) {
        if (IsSeparator(path[i])) {
            folder = i;
        }
    }
    return folder;
}

bool CanRead(const wchar_t* path)
{
    ui::UniqueKernelHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

// GetPrivateProfileSectionNamesW lists every section, each ended by a null;
// an empty [Skin] section counts as present (all defaults).
bool HasSkinSection(const wchar_t* path)
{
    static_assert(kSectionNamesCapacity * sizeof(wchar_t) <= 8192, "kept on the stack");
    wchar_t names[kSectionNamesCapacity] = {};
    const DWORD length = ::GetPrivateProfileSectionNamesW(names, kSectionNamesCapacity, path);
    for (DWORD at = 0; at < length && names[at] != L'\0';) {
        if (::lstrcmpiW(names + at, kSection) == 0) {
            return true;
        }
        at += static_cast<DWORD>(::lstrlenW(names + at)) + 1;
    }
    return false;
}

struct Value {
    wchar_t text[kValueCapacity] = {};
};

void ReadValue(const wchar_t* path, const wchar_t* key, Value& value)
{
    ::GetPrivateProfileStringW(kSection, key, L"", value.text, kValueCapacity, path);
}

bool ReadColour(const wchar_t* path, const wchar_t* key, COLORREF& colour)
{
    Value value;
    ReadValue(path, key, value);
    if (const auto parsed = ParseColour(value.text)) {
        colour = *parsed;
        return true;
    }
    return false;
}

// A picture "in the same folder": a bare file name, no way out of the folder.
bool IsBareFileName(const wchar_t* name)
{
    if (name[0] == L'\0' || ::lstrcmpW(name, L".") == 0 || ::lstrcmpW(name, L"..") == 0) {
        return false;
    }
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        if (IsSeparator(*c) || *c == L':') {
            return false;
        }
    }
    return true;
}

std::optional<int> ParseFontPoints(const wchar_t* text)
{
    const std::size_t length = WideLength(text);
    if (length == 0 || length > 3) {
        return std::nullopt;
    }
    int points = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return std::nullopt;
        }
        points = points * 10 + (text[i] - L'0');
    }
    if (points < 1 || points > kLargestFontPoints) {
        return std::nullopt;
    }
    return points;
}

}  // namespace

std::optional<COLORREF> ParseColour(const wchar_t* text)
{
    const wchar_t* digits = text != nullptr && text[0] == L'#' ? text + 1 : text;
    if (WideLength(digits) != 6) {
        return std::nullopt;
    }
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigit(digits[2 * i]);
        const int low = HexDigit(digits[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        channels[i] = high * 16 + low;
    }
    return RGB(channels[0], channels[1], channels[2]);
}

bool IsAbsolutePath(const wchar_t* path)
{
    if (path == nullptr) {
        return false;
    }
    const bool drive = ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                       path[1] == L':' && IsSeparator(path[2]);
    const bool unc = IsSeparator(path[0]) && IsSeparator(path[1]);
    return drive || unc;
}

WideString SkinFilePath(const wchar_t* rootPath, const wchar_t* skinFile)
{
    if (skinFile == nullptr || skinFile[0] == L'\0') {
        return {};
    }
    if (IsAbsolutePath(skinFile)) {
        return WideString(skinFile);
    }
    // "\name" and "C:name" depend on the current drive or folder.
    const bool driveRelative = IsSeparator(skinFile[0]) || (skinFile[0] != L'\0' && skinFile[1] == L':');
    if (driveRelative || !IsAbsolutePath(rootPath)) {
        return {};
    }
    WideString path(rootPath);
    if (!IsSeparator(path.back()) && !path.Append(L"\\")) {
        return {};
    }
    path.Append(skinFile);
    return path;
}

std::optional<SkinDesign> ReadSkinFile(const wchar_t* path)
{
    if (!IsAbsolutePath(path) || !CanRead(path) || !HasSkinSection(path)) {
        return std::nullopt;
    }
    SkinDesign design;
    ReadColour(path, L"Background", design.background);
    ReadColour(path, L"Text", design.text);
    ReadColour(path, L"ButtonFace", design.buttonFace);
    ReadColour(path, L"ButtonText", design.buttonText);
    ReadColour(path, L"Hot", design.hot);
    ReadColour(path, L"Pressed", design.pressed);
    ReadColour(path, L"Border", design.border);
    ReadColour(path, L"Accent", design.accent);
    ReadColour(path, L"Field", design.field);
    ReadColour(path, L"FieldText", design.fieldText);
    if (!ReadColour(path, L"Heading", design.heading)) {
        design.heading = design.text;
    }
    if (!ReadColour(path, L"Information", design.information)) {
        design.information = design.accent;
    }

    Value value;
    ReadValue(path, L"BackgroundImage", value);
    if (IsBareFileName(value.text)) {
        WideString image(path, FolderLength(path));
        if (image.Append(L"\\")) {
            image.Append(value.text);
        }
        design.backgroundImage = std::move(image);
    }
    ReadValue(path, L"Font", value);
    if (WideLength(value.text) < LF_FACESIZE) {
        ::lstrcpynW(design.fontFace, value.text, LF_FACESIZE);
    }
    ReadValue(path, L"FontSize", value);
    if (const auto points = ParseFontPoints(value.text)) {
        design.fontPoints = *points;
    }
    return design;
}

}  // namespace skin
