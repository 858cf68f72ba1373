#include "push_button_painter.h"

#include "paint_tools.h"

namespace skin {
namespace {

// A push button's caption is a word or two; a longer one is cut.
constexpr int kButtonTextCapacity = 256;
// The focus rectangle lies this far inside the button's edge, within the
// frame (1 pixel, 2 for the default button); the text keeps one more pixel.
constexpr int kFocusInset = 3;
constexpr int kTextInset = kFocusInset + 1;

}  // namespace

RECT PushButtonTextRect(const RECT& button)
{
    RECT text = button;
    text.left += kTextInset;
    text.right -= kTextInset;
    if (text.right < text.left) {
        text.right = text.left;
    }
    return text;
}

bool IsPushButton(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    if (::lstrcmpiA(className, "Button") != 0) {
        return false;
    }
    const LONG type = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void PaintPushButton(const NMCUSTOMDRAW& draw, const SkinResources& resources)
{
    const Palette& colours = resources.Colours();
    HWND button = draw.hdr.hwndFrom;
    HDC dc = draw.hdc;
    RECT rect = draw.rc;

    const LRESULT state = ::SendMessageA(button, BM_GETSTATE, 0, 0);
    const bool disabled = (draw.uItemState & CDIS_DISABLED) != 0 || !::IsWindowEnabled(button);
    const bool pressed = !disabled && ((draw.uItemState & CDIS_SELECTED) != 0 || (state & BST_PUSHED) != 0);
    const bool hot = !disabled && ((draw.uItemState & CDIS_HOT) != 0 || (state & BST_HOT) != 0);
    const bool isDefault = (::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    // WM_QUERYUISTATE: focus rectangles and underlined mnemonics show only
    // once the keyboard has been used, as the system's own buttons do.
    const LRESULT uiState = ::SendMessageA(button, WM_QUERYUISTATE, 0, 0);
    const bool focused = ::GetFocus() == button && (uiState & UISF_HIDEFOCUS) == 0;

    const COLORREF face = pressed ? colours.pressed : (hot ? colours.hot : colours.buttonFace);
    FillSolid(dc, rect, face);
    Frame(dc, rect, isDefault && !disabled ? colours.accent : colours.border, isDefault && !disabled ? 2 : 1);

    RECT textRect = PushButtonTextRect(rect);
    if (pressed) {
        ::OffsetRect(&textRect, 1, 1);
    }
    auto font = reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, disabled ? Blend(colours.buttonText, face) : colours.buttonText);
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    if ((uiState & UISF_HIDEACCEL) != 0) {
        format |= DT_HIDEPREFIX;
    }
    wchar_t text[kButtonTextCapacity] = {};
    ::GetWindowTextW(button, text, kButtonTextCapacity);
    ::DrawTextW(dc, text, -1, &textRect, format);
    if (oldFont != nullptr) {
        ::SelectObject(dc, oldFont);
    }

    if (focused) {
        RECT focus = rect;
        ::InflateRect(&focus, -kFocusInset, -kFocusInset);
        ::SetTextColor(dc, colours.buttonText);
        ::SetBkColor(dc, face);
        ::DrawFocusRect(dc, &focus);
    }
}

}  // namespace skin
