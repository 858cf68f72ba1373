#include "skin_file.h"

#include <utility>

#include "ui/unique_handle.h"

namespace skin {
namespace {

constexpr wchar_t kSection[] = L"Skin";
// The look under Windows' dark app mode, over the [Skin] one.
constexpr wchar_t kDarkSection[] = L"Dark";
// What a key that is not there reads as: no colour, name or number.
constexpr wchar_t kNotGiven[] = L"|";
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
// an empty section counts as present (all defaults).
bool HasSection(const wchar_t* path, const wchar_t* section)
{
    static_assert(kSectionNamesCapacity * sizeof(wchar_t) <= 8192, "kept on the stack");
    wchar_t names[kSectionNamesCapacity] = {};
    const DWORD length = ::GetPrivateProfileSectionNamesW(names, kSectionNamesCapacity, path);
    for (DWORD at = 0; at < length && names[at] != L'\0';) {
        if (::lstrcmpiW(names + at, section) == 0) {
            return true;
        }
        at += static_cast<DWORD>(::lstrlenW(names + at)) + 1;
    }
    return false;
}

struct Value {
    wchar_t text[kValueCapacity] = {};
};

// A section of one skin file; `section` is [Skin] or [Dark].
struct Source {
    const wchar_t* path;
    const wchar_t* section;
};

// False when the key is not there (an empty value is there).
bool ReadValue(const Source& source, const wchar_t* key, Value& value)
{
    ::GetPrivateProfileStringW(source.section, key, kNotGiven, value.text, kValueCapacity, source.path);
    if (::lstrcmpW(value.text, kNotGiven) == 0) {
        value.text[0] = L'\0';
        return false;
    }
    return true;
}

bool ReadColour(const Source& source, const wchar_t* key, COLORREF& colour)
{
    Value value;
    ReadValue(source, key, value);
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

namespace {

// Every value that `source` gives well, over what `design` holds already.
// A heading or information colour not given follows the section's text or
// accent, where it gives them.
void ReadDesign(const Source& source, SkinDesign& design)
{
    const bool textGiven = ReadColour(source, L"Text", design.text);
    ReadColour(source, L"Background", design.background);
    ReadColour(source, L"ButtonFace", design.buttonFace);
    ReadColour(source, L"ButtonText", design.buttonText);
    ReadColour(source, L"Hot", design.hot);
    ReadColour(source, L"Pressed", design.pressed);
    ReadColour(source, L"Border", design.border);
    const bool accentGiven = ReadColour(source, L"Accent", design.accent);
    ReadColour(source, L"Field", design.field);
    ReadColour(source, L"FieldText", design.fieldText);
    if (!ReadColour(source, L"Heading", design.heading) && textGiven) {
        design.heading = design.text;
    }
    if (!ReadColour(source, L"Information", design.information) && accentGiven) {
        design.information = design.accent;
    }

    Value value;
    if (ReadValue(source, L"BackgroundImage", value)) {
        design.backgroundImage = WideString();
        if (IsBareFileName(value.text)) {
            WideString image(source.path, FolderLength(source.path));
            if (image.Append(L"\\")) {
                image.Append(value.text);
            }
            design.backgroundImage = std::move(image);
        }
    }
    if (ReadValue(source, L"Font", value) && WideLength(value.text) < LF_FACESIZE) {
        ::lstrcpynW(design.fontFace, value.text, LF_FACESIZE);
    }
    ReadValue(source, L"FontSize", value);
    if (const auto points = ParseFontPoints(value.text)) {
        design.fontPoints = *points;
    }
}

bool IsSkinFile(const wchar_t* path, const wchar_t* section)
{
    return IsAbsolutePath(path) && CanRead(path) && HasSection(path, section);
}

}  // namespace

std::optional<SkinDesign> ReadSkinFile(const wchar_t* path)
{
    if (!IsSkinFile(path, kSection)) {
        return std::nullopt;
    }
    SkinDesign design;
    ReadDesign(Source{path, kSection}, design);
    return design;
}

std::optional<SkinDesign> ReadDarkVariant(const wchar_t* path, const SkinDesign& light)
{
    if (!IsSkinFile(path, kDarkSection)) {
        return std::nullopt;
    }
    SkinDesign design = light;
    ReadDesign(Source{path, kDarkSection}, design);
    return design;
}

}  // namespace skin
