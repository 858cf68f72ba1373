#include "skin_file.h"

#include <cctype>
#include <vector>

#include "ui/unique_handle.h"

namespace skin {
namespace {

constexpr char kSection[] = "Skin";
constexpr int kLargestFontPoints = 72;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool CanRead(const std::string& path)
{
    ui::UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

// GetPrivateProfileSectionNamesA lists every section, each ended by a null;
// an empty [Skin] section counts as present (all defaults).
bool HasSkinSection(const std::string& path)
{
    std::vector<char> names(4096, '\0');
    const DWORD length =
        ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), path.c_str());
    for (DWORD at = 0; at < length && names[at] != '\0';) {
        const std::string name(names.data() + at);
        if (::lstrcmpiA(name.c_str(), kSection) == 0) {
            return true;
        }
        at += static_cast<DWORD>(name.size()) + 1;
    }
    return false;
}

std::string ReadValue(const std::string& path, const char* key)
{
    std::vector<char> value(1024, '\0');
    ::GetPrivateProfileStringA(kSection, key, "", value.data(), static_cast<DWORD>(value.size()), path.c_str());
    return value.data();
}

void ReadColour(const std::string& path, const char* key, COLORREF& colour)
{
    if (const auto parsed = ParseColour(ReadValue(path, key))) {
        colour = *parsed;
    }
}

// A picture "in the same folder": a bare file name, no way out of the folder.
bool IsBareFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

std::optional<int> ParseFontPoints(const std::string& text)
{
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int points = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        points = points * 10 + (c - '0');
    }
    if (points < 1 || points > kLargestFontPoints) {
        return std::nullopt;
    }
    return points;
}

}  // namespace

std::optional<COLORREF> ParseColour(const std::string& text)
{
    const std::string digits = !text.empty() && text[0] == '#' ? text.substr(1) : text;
    if (digits.size() != 6) {
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

std::string SkinFilePath(const std::string& rootPath, const std::string& skinFile)
{
    if (skinFile.empty()) {
        return {};
    }
    const bool absolute = skinFile[0] == '\\' || skinFile[0] == '/' ||
                          (skinFile.size() >= 2 && std::isalpha(static_cast<unsigned char>(skinFile[0])) &&
                           skinFile[1] == ':');
    if (absolute || rootPath.empty()) {
        return skinFile;
    }
    const char last = rootPath.back();
    return last == '\\' || last == '/' ? rootPath + skinFile : rootPath + "\\" + skinFile;
}

std::optional<SkinDesign> ReadSkinFile(const std::string& path)
{
    if (path.empty() || !CanRead(path) || !HasSkinSection(path)) {
        return std::nullopt;
    }
    SkinDesign design;
    ReadColour(path, "Background", design.background);
    ReadColour(path, "Text", design.text);
    ReadColour(path, "ButtonFace", design.buttonFace);
    ReadColour(path, "ButtonText", design.buttonText);
    ReadColour(path, "Hot", design.hot);
    ReadColour(path, "Pressed", design.pressed);
    ReadColour(path, "Border", design.border);
    ReadColour(path, "Accent", design.accent);
    ReadColour(path, "Field", design.field);
    ReadColour(path, "FieldText", design.fieldText);

    const std::string image = ReadValue(path, "BackgroundImage");
    if (IsBareFileName(image)) {
        design.backgroundImage = FolderOf(path) + "\\" + image;
    }
    const std::string face = ReadValue(path, "Font");
    if (face.size() < LF_FACESIZE) {
        design.fontFace = face;
    }
    if (const auto points = ParseFontPoints(ReadValue(path, "FontSize"))) {
        design.fontPoints = *points;
    }
    return design;
}

}  // namespace skin
