#include "lang/language_table.h"

#include "lang/language_file.h"
#include "text/escapes.h"
#include "text/ini_text.h"
#include "text/text_file.h"
#include "text/wide_text.h"
#include "base/unique_handle.h"

#include <cstdint>

#include <utility>

namespace {

constexpr wchar_t kSection[] = L"String";
// What GetPrivateProfileStringW gives into the 65,535-character buffer that
// the program has always read its texts with: the rest of a longer text is cut.
constexpr std::size_t kLongestText = 65534;
// A language file is a few kilobytes; anything this large is no language file
// and is not read into memory.
constexpr std::uint64_t kLargestFile = 16 * 1024 * 1024;

// The file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path)
{
    base::UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kLargestFile) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return {};
    }
    bytes.resize(read);
    return bytes;
}

}  // namespace

void LanguageTable::SetFile(std::wstring path)
{
    filePath_ = std::move(path);
    text_.clear();
    kept_ = false;
}

void LanguageTable::SetFile(const std::string& path)
{
    SetFile(ToWide(path));
}

const std::wstring& LanguageTable::FilePath() const
{
    return filePath_;
}

std::string LanguageTable::Lookup(const std::string& key, bool expandEscapes) const
{
    // An empty file name would not mean "no file": GetPrivateProfileStringW
    // looks a name without a folder up in the Windows folder (win.ini for
    // an empty one).
    if (filePath_.empty() || key.empty()) {
        return key;
    }
    const std::wstring& file = Text();
    const std::wstring wideKey = ToWide(key);
    const auto found = IniText(file.data(), file.size()).Value(kSection, wideKey.c_str());
    if (!found || found->length == 0) {
        return key;
    }
    // Shown, not compared: what the legacy code page lacks may come out as "?".
    std::string text = ToCodePage(std::wstring_view(found->text, found->length).substr(0, kLongestText));
    return expandEscapes ? ExpandEscapes(std::move(text)) : text;
}

const std::wstring& LanguageTable::Text() const
{
    FileStamp stamp;
    const bool queried = ReadFileStamp(filePath_, stamp);
    if (kept_ && queried && stamp == stamp_) {
        return text_;
    }
    // Decided before the read: a write after this moment gives the file a
    // later time, which the next lookup sees.
    kept_ = queried && IsSettledAt(stamp, CurrentFileTime());
    stamp_ = queried ? stamp : FileStamp{};
    text_ = DecodeLanguageFile(ReadFileBytes(filePath_), LegacyAnsiCodePage());
    return text_;
}

LanguageTable& TheLanguageTable()
{
    static LanguageTable table;
    return table;
}
