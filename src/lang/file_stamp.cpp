#include "lang/file_stamp.h"

namespace {

std::uint64_t Combined(DWORD high, DWORD low)
{
    return (std::uint64_t{high} << 32) | low;
}

}  // namespace

bool ReadFileStamp(const std::wstring& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    stamp.size = Combined(data.nFileSizeHigh, data.nFileSizeLow);
    stamp.lastWrite = Combined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    return true;
}

std::uint64_t CurrentFileTime()
{
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    return Combined(now.dwHighDateTime, now.dwLowDateTime);
}

bool IsSettledAt(const FileStamp& stamp, std::uint64_t readAt)
{
    return readAt >= stamp.lastWrite && readAt - stamp.lastWrite > kFileTimeGranularity;
}
