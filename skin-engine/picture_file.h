// The skin's background picture, a .bmp file: its header is read and checked
// before the picture is loaded, so that a huge or broken file costs nothing.
#pragma once

#include <windows.h>

#include <cstddef>

namespace skin {

// Either side of a picture at most this many pixels: 4096 x 4096 at 32 bits
// is 64 MB, more than any tiled background needs.
constexpr LONG kLargestPictureSide = 4096;

// Whether `header`, the first `size` bytes of a .bmp file, is a whole file
// header and info header ("BM", then a BITMAPCOREHEADER or a
// BITMAPINFOHEADER or later) of a picture no side of which is over
// kLargestPictureSide. A negative height (a top-down picture) counts by its
// absolute value.
bool IsAcceptablePictureHeader(const BYTE* header, std::size_t size);

// Loads the picture at `path` as a DIB section, or null when it cannot be
// read, is no file on a disk or a share (base::OpenDiskFile), is larger than a
// picture of the largest sides can be, or its header is not acceptable. The file stays open, shared for
// reading only, from the check to the load, so that it cannot be replaced
// between the two.
HBITMAP LoadPictureFile(const wchar_t* path);

}  // namespace skin
