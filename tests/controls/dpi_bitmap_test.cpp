// The banner made for 96 DPI, stretched to the size of other DPIs.
#include "controls/dpi_bitmap.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info{};
    ::GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

TEST(DpiBitmapTest, BannerGrowsWithTheDpi)
{
    const base::UniqueBitmap banner(static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(banner);
    const SIZE design = SizeOf(banner.Get());
    for (const int dpi : {96, 120, 144, 192}) {
        const base::UniqueBitmap scaled = ScaleBitmapForDpi(banner.Get(), dpi);
        ASSERT_TRUE(scaled) << dpi;
        const SIZE size = SizeOf(scaled.Get());
        EXPECT_EQ(size.cx, ::MulDiv(design.cx, dpi, 96)) << dpi;
        EXPECT_EQ(size.cy, ::MulDiv(design.cy, dpi, 96)) << dpi;
    }
}

TEST(DpiBitmapTest, ColoursSurviveTheStretch)
{
    const HDC screen = ::GetDC(nullptr);
    const base::UniqueBitmap source(::CreateCompatibleBitmap(screen, 8, 8));
    ::ReleaseDC(nullptr, screen);
    ASSERT_TRUE(source);
    {
        const HDC screenDc = ::GetDC(nullptr);
        const HDC dc = ::CreateCompatibleDC(screenDc);
        const HGDIOBJ old = ::SelectObject(dc, source.Get());
        const RECT all{0, 0, 8, 8};
        const HBRUSH brush = ::CreateSolidBrush(RGB(0, 102, 204));
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::ReleaseDC(nullptr, screenDc);
    }
    const base::UniqueBitmap scaled = ScaleBitmapForDpi(source.Get(), 144);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(PixelOf(scaled.Get(), 6, 6), RGB(0, 102, 204));
    EXPECT_EQ(PixelOf(scaled.Get(), 11, 11), RGB(0, 102, 204));
}

TEST(DpiBitmapTest, NoBitmapGivesNone)
{
    EXPECT_FALSE(ScaleBitmapForDpi(nullptr, 144));
    const base::UniqueBitmap banner(static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0)));
    EXPECT_FALSE(ScaleBitmapForDpi(banner.Get(), 0));
}

}  // namespace
