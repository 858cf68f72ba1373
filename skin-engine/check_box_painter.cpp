#include "check_box_painter.h"

#include "paint_tools.h"

namespace skin {
namespace {

constexpr int kCaptionCapacity = 512;
// The box and the gap to the caption, in pixels at 96 DPI, as the system's.
constexpr int kBoxSize = 13;
constexpr int kCaptionGap = 4;

void DrawMark(HDC dc, const RECT& box, COLORREF colour)
{
    const int width = box.right - box.left;
    const int stroke = width >= 20 ? 3 : 2;
    // A tick through three points of the box, drawn as stacked lines: one
    // pen per stroke width would have to be made and deleted.
    const POINT points[3] = {{box.left + width * 3 / 13, box.top + width * 6 / 13},
                             {box.left + width * 5 / 13, box.top + width * 9 / 13},
                             {box.left + width * 10 / 13, box.top + width * 3 / 13}};
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(DC_PEN));
    ::SetDCPenColor(dc, colour);
    for (int i = 0; i < stroke; ++i) {
        POINT shifted[3] = {points[0], points[1], points[2]};
        for (POINT& point : shifted) {
            point.y += i;
        }
        ::Polyline(dc, shifted, 3);
    }
    ::SelectObject(dc, oldPen);
}

}  // namespace

bool IsCheckBox(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    if (::lstrcmpiA(className, "Button") != 0) {
        return false;
    }
    const LONG type = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

void PaintCheckBox(const NMCUSTOMDRAW& draw, const SkinResources& resources, HWND parent)
{
    const Palette& colours = resources.Colours();
    HWND button = draw.hdr.hwndFrom;
    HDC dc = draw.hdc;
    const RECT rect = draw.rc;

    POINT origin{0, 0};
    ::MapWindowPoints(button, parent, &origin, 1);
    ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    ::FillRect(dc, &rect, resources.Background());

    const bool disabled = (draw.uItemState & CDIS_DISABLED) != 0 || !::IsWindowEnabled(button);
    const LRESULT check = ::SendMessageW(button, BM_GETCHECK, 0, 0);
    const LRESULT uiState = ::SendMessageW(button, WM_QUERYUISTATE, 0, 0);
    const bool focused = ::GetFocus() == button && (uiState & UISF_HIDEFOCUS) == 0;

    const int size = ScaleToDc(dc, kBoxSize);
    const int top = rect.top + (rect.bottom - rect.top - size) / 2;
    const RECT box{rect.left, top, rect.left + size, top + size};
    FillSolid(dc, box, colours.field);
    Frame(dc, box, colours.border, 1);
    const COLORREF mark = disabled ? Blend(colours.fieldText, colours.field) : colours.fieldText;
    if (check == BST_CHECKED) {
        DrawMark(dc, box, mark);
    } else if (check == BST_INDETERMINATE) {
        RECT square = box;
        ::InflateRect(&square, -size / 4, -size / 4);
        FillSolid(dc, square, mark);
    }

    auto font = reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    wchar_t caption[kCaptionCapacity] = {};
    ::GetWindowTextW(button, caption, kCaptionCapacity);
    RECT textRect{box.right + ScaleToDc(dc, kCaptionGap), rect.top, rect.right, rect.bottom};
    UINT format = (::GetWindowLongW(button, GWL_STYLE) & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    if ((uiState & UISF_HIDEACCEL) != 0) {
        format |= DT_HIDEPREFIX;
    }
    // The caption's own extent, centred in the button like the box, so that
    // the focus rectangle surrounds the text.
    RECT extent = textRect;
    ::DrawTextW(dc, caption, -1, &extent, format | DT_CALCRECT);
    const int textHeight = extent.bottom - extent.top;
    ::OffsetRect(&extent, 0, (rect.bottom - rect.top - textHeight) / 2);
    extent.right = extent.right < textRect.right ? extent.right : textRect.right;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, disabled ? Blend(colours.text, colours.background) : colours.text);
    ::DrawTextW(dc, caption, -1, &extent, format);
    if (oldFont != nullptr) {
        ::SelectObject(dc, oldFont);
    }
    if (focused) {
        RECT focus = extent;
        ::InflateRect(&focus, 1, 1);
        ::SetTextColor(dc, colours.text);
        ::SetBkColor(dc, colours.background);
        ::DrawFocusRect(dc, &focus);
    }
}

}  // namespace skin
