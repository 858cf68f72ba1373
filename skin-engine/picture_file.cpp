#include "picture_file.h"

#include "base/disk_file.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = sizeof(BITMAPFILEHEADER);  // 14
constexpr std::size_t kLargestHeaderRead = kFileHeaderSize + sizeof(BITMAPINFOHEADER);
// The largest picture at 32 bits per pixel, with room for its headers, masks
// and colour table.
constexpr long long kLargestPictureFileBytes = 4LL * kLargestPictureSide * kLargestPictureSide + 64 * 1024;

DWORD ReadDword(const BYTE* bytes)
{
    return static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
           (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
}

WORD ReadWord(const BYTE* bytes)
{
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

bool SideFits(long long side)
{
    return side != 0 && side >= -kLargestPictureSide && side <= kLargestPictureSide;
}

}  // namespace

bool IsAcceptablePictureHeader(const BYTE* header, std::size_t size)
{
    if (header == nullptr || size < kFileHeaderSize + sizeof(DWORD) || header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    const BYTE* info = header + kFileHeaderSize;
    const DWORD infoSize = ReadDword(info);
    if (infoSize == sizeof(BITMAPCOREHEADER)) {
        if (size < kFileHeaderSize + sizeof(BITMAPCOREHEADER)) {
            return false;
        }
        return SideFits(ReadWord(info + 4)) && SideFits(ReadWord(info + 6));
    }
    if (infoSize < sizeof(BITMAPINFOHEADER) || size < kFileHeaderSize + sizeof(BITMAPINFOHEADER)) {
        return false;
    }
    const auto width = static_cast<LONG>(ReadDword(info + 4));
    const auto height = static_cast<LONG>(ReadDword(info + 8));
    return width > 0 && SideFits(width) && SideFits(height);
}

HBITMAP LoadPictureFile(const wchar_t* path)
{
    if (path == nullptr || path[0] == L'\0') {
        return nullptr;
    }
    const base::UniqueKernelHandle file = base::OpenDiskFile(path, FILE_SHARE_READ);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestPictureFileBytes) {
        return nullptr;
    }
    BYTE header[kLargestHeaderRead] = {};
    DWORD read = 0;
    if (!::ReadFile(file.Get(), header, sizeof header, &read, nullptr) ||
        !IsAcceptablePictureHeader(header, read)) {
        return nullptr;
    }
    return static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace skin
