// The bytes of a small configuration file (common.xml), read once and whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The largest common.xml read: its four lines take a few hundred bytes, and a
// bound keeps a file on a slow share, or one that keeps growing, from taking
// as long as it likes.
inline constexpr std::size_t kMaxConfigFileBytes = 1u << 20;

// The whole content of the file at `path`, or nothing when it is missing,
// larger than `maxBytes`, or not a file on a disk or a share: a device
// (NUL, COM1, CONIN$) or a pipe is refused from its handle, before any read.
std::optional<std::string> ReadConfigFileBytes(const std::wstring& path, std::size_t maxBytes = kMaxConfigFileBytes);
