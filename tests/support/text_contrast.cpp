#include "support/text_contrast.h"

#include <map>

#include "support/skin_engine_client.h"

namespace test_support {

std::vector<COLORREF> ScreenPixels(HWND window, const RECT& clientArea)
{
    POINT origin{clientArea.left, clientArea.top};
    ::ClientToScreen(window, &origin);
    const int width = clientArea.right - clientArea.left;
    const int height = clientArea.bottom - clientArea.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) {
        return pixels;
    }
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; bits != nullptr && i < width * height; ++i) {
        pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    const auto pixels = ScreenPixels(window, RECT{x, y, x + 1, y + 1});
    return pixels.empty() ? CLR_INVALID : pixels[0];
}

MeasuredText MeasureText(const std::vector<COLORREF>& pixels)
{
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels) {
        ++counts[pixel];
    }
    MeasuredText measured;
    int backgroundCount = 0;
    for (const auto& [colour, count] : counts) {
        if (count > backgroundCount) {
            backgroundCount = count;
            measured.background = colour;
        }
    }
    // Text is smoothed into its background at its edges: its own colour is
    // the one furthest from the background, wherever a pixel is covered whole.
    for (const auto& [colour, count] : counts) {
        if (colour == measured.background) {
            continue;
        }
        measured.textPixels += count;
        const double contrast = ContrastRatio(colour, measured.background);
        if (contrast > measured.contrast) {
            measured.contrast = contrast;
            measured.text = colour;
        }
    }
    return measured;
}

MeasuredText MeasureControlText(HWND control)
{
    RECT client{};
    ::GetClientRect(control, &client);
    return MeasureText(ScreenPixels(control, client));
}

}  // namespace test_support
