#include "combo_box_painter.h"

#include "paint_tools.h"

namespace skin {
namespace {

constexpr int kItemTextCapacity = 256;

void DrawArrow(HDC dc, const RECT& button, COLORREF colour)
{
    const int width = button.right - button.left;
    const int height = button.bottom - button.top;
    const int half = (width < height ? width : height) / 4;
    const int centreX = button.left + width / 2;
    const int top = button.top + (height - half) / 2;
    // A filled triangle, one row of pixels at a time, pointing down.
    for (int row = 0; row < half + 1 && half > 0; ++row) {
        const RECT line{centreX - half + row, top + row, centreX + half - row + 1, top + row + 1};
        FillSolid(dc, line, colour);
    }
}

}  // namespace

bool IsDropDownList(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    return ::lstrcmpiA(className, "ComboBox") == 0 &&
           (::GetWindowLongA(control, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
}

void PaintDropDownList(HWND combo, HDC dc, const SkinResources& resources)
{
    const Palette& colours = resources.Colours();
    RECT client{};
    ::GetClientRect(combo, &client);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!::GetComboBoxInfo(combo, &info)) {
        return;
    }
    const bool disabled = !::IsWindowEnabled(combo);
    const bool open = ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    const bool pressed = open || (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    const LRESULT uiState = ::SendMessageW(combo, WM_QUERYUISTATE, 0, 0);
    const bool focused = ::GetFocus() == combo && !open && (uiState & UISF_HIDEFOCUS) == 0;

    FillSolid(dc, client, colours.field);
    if ((info.stateButton & STATE_SYSTEM_INVISIBLE) == 0) {
        FillSolid(dc, info.rcButton, pressed ? colours.pressed : colours.buttonFace);
        DrawArrow(dc, info.rcButton, disabled ? Blend(colours.buttonText, colours.buttonFace) : colours.buttonText);
    }

    wchar_t text[kItemTextCapacity] = {};
    const LRESULT selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR &&
        ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0) < kItemTextCapacity) {
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    }
    auto font = reinterpret_cast<HFONT>(::SendMessageW(combo, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    RECT textRect = info.rcItem;
    textRect.left += ScaleToDc(dc, 2);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, disabled ? Blend(colours.fieldText, colours.field) : colours.fieldText);
    ::DrawTextW(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont != nullptr) {
        ::SelectObject(dc, oldFont);
    }
    if (focused) {
        RECT focus = info.rcItem;
        ::SetTextColor(dc, colours.fieldText);
        ::SetBkColor(dc, colours.field);
        ::DrawFocusRect(dc, &focus);
    }
    Frame(dc, client, focused || open ? colours.accent : colours.border, 1);
}

}  // namespace skin
