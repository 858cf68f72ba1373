// A file's size and time of last writing: what tells, with one attribute
// query, whether texts read from the file earlier may still be used.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;  // UTC, in 100-ns units since 1601 (a FILETIME)

    bool operator==(const FileStamp& other) const { return size == other.size && lastWrite == other.lastWrite; }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The coarsest step in which a file system keeps the time of last writing:
// two seconds on FAT. Two writes within one step may leave the same time.
constexpr std::uint64_t kFileTimeGranularity = 2 * 10'000'000;

// One GetFileAttributesExW; false when the file cannot be queried.
bool ReadFileStamp(const std::wstring& path, FileStamp& stamp);

// The current time as a FILETIME value (UTC, 100-ns units).
std::uint64_t CurrentFileTime();

// True when what was read from a file of `stamp` at the moment `readAt` may
// be kept for as long as the file keeps that stamp: the file had then been
// left alone for longer than the time's granularity, so any later write
// gives it a later time. A file written within the last step (or with a time
// ahead of the clock) may be written again under the same stamp and size:
// what was read from it is not kept.
bool IsSettledAt(const FileStamp& stamp, std::uint64_t readAt);
