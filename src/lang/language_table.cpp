#include "lang/language_table.h"

#include "lang/escapes.h"

#include <utility>
#include <vector>

namespace {

constexpr const char* kSection = "String";
// GetPrivateProfileStringA is told one character less than the buffer holds,
// so the text is terminated even when it was cut.
constexpr DWORD kTextBufferSize = 65536;
constexpr DWORD kTextLimit = kTextBufferSize - 1;

}  // namespace

void LanguageTable::SetFile(std::string path)
{
    filePath_ = std::move(path);
}

const std::string& LanguageTable::FilePath() const
{
    return filePath_;
}

std::string LanguageTable::Lookup(const std::string& key, bool expandEscapes) const
{
    // An empty file name would not mean "no file": GetPrivateProfileStringA
    // looks a name without a folder up in the Windows folder (win.ini for
    // an empty one).
    if (filePath_.empty() || key.empty()) {
        return key;
    }
    // On the heap: 64 KB is too much for the stack of a window procedure. One
    // buffer for the table's life, made at the first lookup: the display asks
    // twice a second.
    if (buffer_.empty()) {
        buffer_.resize(kTextBufferSize);
    }
    buffer_[0] = '\0';
    GetPrivateProfileStringA(kSection, key.c_str(), "", buffer_.data(), kTextLimit,
                             filePath_.c_str());
    std::string text(buffer_.data());
    if (text.empty()) {
        return key;
    }
    return expandEscapes ? ExpandEscapes(std::move(text)) : text;
}

LanguageTable& TheLanguageTable()
{
    static LanguageTable table;
    return table;
}
