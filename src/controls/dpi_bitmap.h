// Pictures made for 96 DPI, shown at the size of the screen's DPI: one bitmap
// in the program's resources serves every scale, stretched with HALFTONE
// rather than a second, larger copy in the executable.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"

// A copy of `bitmap` at `dpi` (its size times dpi / 96), stretched with
// HALFTONE; null when the bitmap cannot be read or the copy cannot be made.
base::UniqueBitmap ScaleBitmapForDpi(HBITMAP bitmap, int dpi);

// The screen's DPI (LOGPIXELSY), 96 when it cannot be read.
int ScreenDpi();

// Gives an SS_BITMAP static its template picture at the screen's DPI. The
// static does not delete a picture it is given, so `scaled` keeps it and
// must outlive the control; the template's picture, handed back, is deleted.
// At 96 DPI the control is left as it is.
void ShowBitmapAtScreenDpi(HWND control, base::UniqueBitmap& scaled);
