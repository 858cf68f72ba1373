#include "paint_tools.h"

namespace skin {

COLORREF Blend(COLORREF a, COLORREF b)
{
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
               (GetBValue(a) + GetBValue(b)) / 2);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void Frame(HDC dc, RECT rect, COLORREF colour, int thickness)
{
    for (int i = 0; i < thickness; ++i) {
        const RECT edges[4] = {{rect.left, rect.top, rect.right, rect.top + 1},
                               {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                               {rect.left, rect.top, rect.left + 1, rect.bottom},
                               {rect.right - 1, rect.top, rect.right, rect.bottom}};
        for (const RECT& edge : edges) {
            FillSolid(dc, edge, colour);
        }
        ::InflateRect(&rect, -1, -1);
    }
}

int ScaleToDc(HDC dc, int pixels)
{
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    return ::MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

}  // namespace skin
