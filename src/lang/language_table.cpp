#include "lang/language_table.h"

#include "text/escapes.h"
#include "text/wide_text.h"

#include <utility>

namespace {

constexpr wchar_t kSection[] = L"String";
// GetPrivateProfileStringW is told one character less than the buffer holds,
// so the text is terminated even when it was cut: 65,534 characters at most.
constexpr std::size_t kFirstBufferSize = 512;
constexpr std::size_t kLongestBufferSize = 65536;

}  // namespace

void LanguageTable::SetFile(std::wstring path)
{
    filePath_ = std::move(path);
    texts_.clear();
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
    std::string text = Text(key);
    if (text.empty()) {
        return key;
    }
    return expandEscapes ? ExpandEscapes(std::move(text)) : text;
}

std::string LanguageTable::Text(const std::string& key) const
{
    FileStamp stamp;
    const bool queried = ReadFileStamp(filePath_, stamp);
    if (!queried || stamp != stamp_) {
        texts_.clear();
        stamp_ = queried ? stamp : FileStamp{};
    }
    // Decided before the read: a write after this moment gives the file a
    // later time, which the next lookup sees.
    const bool keep = queried && IsSettledAt(stamp, CurrentFileTime());
    if (keep) {
        const auto found = texts_.find(key);
        if (found != texts_.end()) {
            return found->second;
        }
    }
    std::string text = ReadText(key);
    if (keep) {
        // operator[], as the program's other map of texts: one instantiation.
        texts_[key] = text;
    }
    return text;
}

std::string LanguageTable::ReadText(const std::string& key) const
{
    const std::wstring wideKey = ToWide(key);
    if (buffer_.size() < kFirstBufferSize) {
        buffer_.resize(kFirstBufferSize);
    }
    for (;;) {
        const DWORD limit = static_cast<DWORD>(buffer_.size() - 1);
        buffer_[0] = L'\0';
        const DWORD length = ::GetPrivateProfileStringW(kSection, wideKey.c_str(), L"", buffer_.data(), limit,
                                                        filePath_.c_str());
        // A text that filled the room may have been cut: once more with more.
        if (length + 1 < limit || buffer_.size() >= kLongestBufferSize) {
            // The file is written in the ANSI code page, which
            // GetPrivateProfileStringW reads it through: converted back, each
            // text is the bytes the file holds. One that does not convert
            // exactly (a file saved with a byte-order mark) shows with "?"
            // rather than as its key.
            return ToCodePage(std::wstring_view(buffer_.data(), length < limit ? length : 0));
        }
        buffer_.resize(buffer_.size() * 2);
    }
}

LanguageTable& TheLanguageTable()
{
    static LanguageTable table;
    return table;
}
