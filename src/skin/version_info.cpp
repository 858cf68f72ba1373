#include "skin/version_info.h"

#include <cstring>
#include <vector>

std::string VersionEntryQuery(WORD language, WORD codePage, const std::string& entry)
{
    // wsprintfA, not snprintf: MinGW's snprintf links a printf of its own.
    char block[16];
    ::wsprintfA(block, "%04x%04x", static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return std::string("\\StringFileInfo\\") + block + "\\" + entry;
}

std::string ReadVersionEntry(const std::string& path, const std::string& entry)
{
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), nullptr);
    if (size == 0) {
        return std::string();
    }
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) {
        return std::string();
    }

    void* translation = nullptr;
    UINT translationBytes = 0;
    if (!::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &translationBytes) ||
        translation == nullptr || translationBytes < 2 * sizeof(WORD)) {
        return std::string();
    }
    // Only the first pair counts, even when the file lists several.
    WORD pair[2];
    std::memcpy(pair, translation, sizeof pair);

    void* text = nullptr;
    UINT textLength = 0;
    const std::string query = VersionEntryQuery(pair[0], pair[1], entry);
    if (!::VerQueryValueA(block.data(), query.c_str(), &text, &textLength) || text == nullptr) {
        return std::string();
    }
    // VerQueryValueA points into our block (the A version converts into the
    // spare room that GetFileVersionInfoSizeA reserves). A damaged resource
    // may lack the terminating zero, so never read past the block's end.
    const char* first = static_cast<const char*>(text);
    const char* end = block.data() + block.size();
    if (first < block.data() || first >= end) {
        return std::string();
    }
    return std::string(first, ::strnlen(first, static_cast<std::size_t>(end - first)));
}

std::string ReadProductName(const std::string& path)
{
    return ReadVersionEntry(path, "ProductName");
}

std::string ReadProductVersion(const std::string& path)
{
    return ReadVersionEntry(path, "ProductVersion");
}
