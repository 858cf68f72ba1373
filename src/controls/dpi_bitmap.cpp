#include "controls/dpi_bitmap.h"

#include "base/window_dc.h"

namespace {

constexpr int kDesignDpi = 96;

}  // namespace

base::UniqueBitmap ScaleBitmapForDpi(HBITMAP bitmap, int dpi)
{
    BITMAP source{};
    if (bitmap == nullptr || dpi <= 0 || ::GetObjectA(bitmap, sizeof source, &source) != sizeof source) {
        return base::UniqueBitmap();
    }
    const int width = ::MulDiv(source.bmWidth, dpi, kDesignDpi);
    const int height = ::MulDiv(source.bmHeight, dpi, kDesignDpi);
    const base::WindowDc screen = base::WindowDc::Client(nullptr);
    if (!screen) {
        return base::UniqueBitmap();
    }
    base::UniqueBitmap scaled(::CreateCompatibleBitmap(screen.Get(), width, height));
    {
        const base::UniqueMemoryDc from(::CreateCompatibleDC(screen.Get()));
        const base::UniqueMemoryDc to(::CreateCompatibleDC(screen.Get()));
        if (scaled && from.Get() != nullptr && to.Get() != nullptr) {
            const HGDIOBJ oldFrom = ::SelectObject(from.Get(), bitmap);
            const HGDIOBJ oldTo = ::SelectObject(to.Get(), scaled.Get());
            // HALFTONE averages the source pixels; it needs the brush origin
            // set after the mode.
            ::SetStretchBltMode(to.Get(), HALFTONE);
            ::SetBrushOrgEx(to.Get(), 0, 0, nullptr);
            const BOOL drawn = ::StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, source.bmWidth,
                                            source.bmHeight, SRCCOPY);
            ::SelectObject(from.Get(), oldFrom);
            ::SelectObject(to.Get(), oldTo);
            if (!drawn) {
                scaled.Reset();
            }
        } else {
            scaled.Reset();
        }
    }
    return scaled;
}

int ScreenDpi()
{
    const base::WindowDc screen = base::WindowDc::Client(nullptr);
    if (!screen) {
        return kDesignDpi;
    }
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

void ShowBitmapAtScreenDpi(HWND control, base::UniqueBitmap& scaled)
{
    const int dpi = ScreenDpi();
    if (control == nullptr || dpi == kDesignDpi) {
        return;
    }
    const auto original = reinterpret_cast<HBITMAP>(::SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    base::UniqueBitmap copy = ScaleBitmapForDpi(original, dpi);
    if (!copy) {
        return;
    }
    const auto previous = reinterpret_cast<HBITMAP>(
        ::SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy.Get())));
    scaled = std::move(copy);
    // Handed back, the template's picture is no longer the static's to delete.
    if (previous != nullptr && previous != scaled.Get()) {
        ::DeleteObject(previous);
    }
}
