#include "skin_file.h"

#include <memory>
#include <new>
#include <utility>

#include "base/disk_file.h"
#include "text/device_path.h"
#include "text/ini_text.h"
#include "text/path_rules.h"
#include "text/text_file.h"

namespace skin {
namespace {

constexpr wchar_t kSection[] = L"Skin";
// The look under Windows' dark app mode, over the [Skin] one.
constexpr wchar_t kDarkSection[] = L"Dark";
constexpr int kLargestFontPoints = 72;
// Longer values are no colour, name or number the engine would take.
constexpr DWORD kValueCapacity = 512;

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// A view of a text that may be null (an absent BSTR is the empty text).
std::wstring_view ViewOf(const wchar_t* text)
{
    return text != nullptr ? std::wstring_view(text, WideLength(text)) : std::wstring_view();
}

// The file's bytes as text. A skin file of an older Windows is in its
// legacy code page, not in CP_ACP, which is UTF-8 in the program's process.
std::unique_ptr<wchar_t[]> DecodedText(const BYTE* bytes, std::size_t size, std::size_t& length)
{
    const auto source = reinterpret_cast<const char*>(bytes);
    const UINT legacyCodePage = LegacyAnsiCodePage();
    const std::size_t needed = DecodeTextFile(source, size, legacyCodePage, nullptr, 0);
    std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[needed + 1]);
    length = text ? DecodeTextFile(source, size, legacyCodePage, text.get(), needed) : 0;
    return text;
}

struct Value {
    wchar_t text[kValueCapacity] = {};
};

// A section of one skin file: [Skin] or [Dark].
struct Source {
    const IniText& file;
    const wchar_t* path;
    const wchar_t* section;
};

// False when the key is not there (an empty value is there). Longer values
// stay empty: no colour, name or number is that long.
bool ReadValue(const Source& source, const wchar_t* key, Value& value)
{
    value.text[0] = L'\0';
    const auto found = source.file.Value(source.section, key);
    if (!found) {
        return false;
    }
    if (found->length < kValueCapacity) {
        for (std::size_t i = 0; i < found->length; ++i) {
            value.text[i] = found->text[i];
        }
        value.text[found->length] = L'\0';
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
        if (IsPathSeparator(*c) || *c == L':') {
            return false;
        }
    }
    return !NamesDevice(name);
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
            const std::wstring_view folder = FolderOf(ViewOf(source.path));
            WideString image(folder.data(), folder.size());
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

WideString SkinFilePath(const wchar_t* rootPath, const wchar_t* skinFile)
{
    if (skinFile == nullptr || skinFile[0] == L'\0') {
        return {};
    }
    if (IsAbsolutePath(ViewOf(skinFile))) {
        return WideString(skinFile);
    }
    if (IsDriveOrRootRelative(ViewOf(skinFile)) || !IsAbsolutePath(ViewOf(rootPath))) {
        return {};
    }
    WideString path(rootPath);
    if (NeedsSeparatorBefore(ViewOf(rootPath)) && !path.Append(L"\\")) {
        return {};
    }
    path.Append(skinFile);
    return path;
}

std::optional<SkinLooks> ReadSkinLooks(const wchar_t* path)
{
    if (!IsAbsolutePath(ViewOf(path))) {
        return std::nullopt;
    }
    // Read once, whole: the profile calls would parse the file again for
    // each of the sixteen keys of each look, and follow it to any size.
    const base::UniqueKernelHandle handle = base::OpenDiskFile(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    const auto bytes = handle ? base::ReadSmallFile(handle.Get(), kLargestSkinFileBytes) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    std::size_t length = 0;
    const std::unique_ptr<wchar_t[]> text = DecodedText(bytes->bytes.get(), bytes->size, length);
    const IniText file(text.get(), length);
    if (!text || !file.HasSection(kSection)) {
        return std::nullopt;
    }
    SkinLooks looks;
    ReadDesign(Source{file, path, kSection}, looks.light);
    if (file.HasSection(kDarkSection)) {
        looks.dark = looks.light;
        ReadDesign(Source{file, path, kDarkSection}, *looks.dark);
    }
    return looks;
}

std::optional<SkinDesign> ReadSkinFile(const wchar_t* path)
{
    auto looks = ReadSkinLooks(path);
    if (!looks) {
        return std::nullopt;
    }
    return std::move(looks->light);
}

}  // namespace skin
