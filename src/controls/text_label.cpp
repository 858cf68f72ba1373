#include "controls/text_label.h"

#include <new>

#include "base/high_contrast.h"
#include "controls/label_colour.h"
#include "controls/label_format.h"
#include "ui/message_map.h"
#include "text/wide_text.h"
#include "ui/window_text.h"

namespace {

constexpr LONG kLabelFontWeight = 900;

// The font the parent dialog paints with, as a LOGFONT. A parent that answers
// WM_GETFONT with null uses the system font, which GetObjectA cannot read
// back in a useful form: take DEFAULT_GUI_FONT instead so the label still
// paints.
LOGFONTA ParentLogFont(HWND control)
{
    LOGFONTA logFont{};
    const auto parentFont =
        reinterpret_cast<HFONT>(::SendMessageA(::GetParent(control), WM_GETFONT, 0, 0));
    if (parentFont != nullptr && ::GetObjectA(parentFont, sizeof logFont, &logFont) == sizeof logFont) {
        return logFont;
    }
    logFont = LOGFONTA{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    return logFont;
}

}  // namespace

bool TextLabel::Attach(HWND control)
{
    if (!ui::Subclass::Attach(control)) {
        return false;
    }
    try {
        text_ = WindowText(control);
    } catch (const std::bad_alloc&) {
        text_.clear();
    }
    LOGFONTA logFont = ParentLogFont(control);
    logFont.lfWeight = kLabelFontWeight;
    ReplaceFont(logFont);
    return true;
}

HFONT TextLabel::ReplaceFont(const LOGFONTA& logFont)
{
    font_.Reset();
    font_.Reset(::CreateFontIndirectA(&logFont));
    return font_.Get();
}

bool TextLabel::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // Everything else, WM_GETTEXT included, goes to the static control's own
    // procedure, which reads the window text that WM_SETTEXT stores.
    static constexpr ui::MessageEntry<TextLabel> kMessages[] = {
        {WM_PAINT, 0, &TextLabel::OnPaint},
        {WM_SETTEXT, 0, &TextLabel::OnSetText},
        {WM_ENABLE, 0, &TextLabel::OnEnable},
    };
    return ui::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result);
}

LRESULT TextLabel::OnPaint(WPARAM, LPARAM, bool&)
{
    const HWND control = Handle();
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(control, &paint);
    if (dc == nullptr) {
        return 0;
    }
    RECT textRect{};
    ::GetClientRect(control, &textRect);
    const UINT format = LabelDrawFormat(::GetWindowLongA(control, GWL_STYLE));

    if (!text_.empty()) {
        ::SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ previousFont = font_ ? ::SelectObject(dc, font_.Get()) : nullptr;
        // A skin engine on the dialog answers with the skin's colour for this
        // kind of label; without one the dialog answers 0 and textColour_ stays.
        const LRESULT skinColour =
            ::SendMessageA(::GetParent(control), ::RegisterWindowMessageA(kLabelColourMessageName),
                           static_cast<WPARAM>(LabelKindOf(font_.Get())), reinterpret_cast<LPARAM>(control));
        ::SetTextColor(dc, LabelTextColour(::IsWindowEnabled(control) != FALSE, SystemHighContrastOn(),
                                           skinColour, textColour_));
        // Drawn as UTF-16, converted from the process's code page: the text
        // is then measured and broken at words by whole characters, whatever
        // that code page is (UTF-8 included).
        const std::wstring wide = ToWide(text_);
        ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect, format);
        if (previousFont != nullptr) {
            ::SelectObject(dc, previousFont);
        }
    }
    ::EndPaint(control, &paint);
    return 0;
}

LRESULT TextLabel::OnSetText(WPARAM, LPARAM lParam, bool&)
{
    // The window text is what screen readers announce, so it follows what the
    // label shows. DefWindowProc stores it (and tells accessibility tools)
    // without painting; the static's own procedure would paint it at once.
    // The text comes in the chain's form (MessagesAreWide), and is read back
    // in the process's code page.
    if (MessagesAreWide()) {
        ::DefWindowProcW(Handle(), WM_SETTEXT, 0, lParam);
    } else {
        ::DefWindowProcA(Handle(), WM_SETTEXT, 0, lParam);
    }
    try {
        text_ = WindowText(*this);
    } catch (const std::bad_alloc&) {
        text_.clear();
    }
    Repaint();
    return 0;
}

LRESULT TextLabel::OnEnable(WPARAM, LPARAM, bool&)
{
    Repaint();
    return 0;
}

// The label has no background of its own: the parent must repaint what lies
// beneath it first, or the old text would stay visible under the new one.
void TextLabel::Repaint()
{
    const HWND control = Handle();
    const HWND parent = ::GetParent(control);
    if (parent != nullptr && ::IsWindow(parent)) {
        RECT area{};
        ::GetWindowRect(control, &area);
        POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
        ::ScreenToClient(parent, &corners[0]);
        ::ScreenToClient(parent, &corners[1]);
        const RECT inParent{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        ::InvalidateRect(parent, &inParent, TRUE);
    }
    ::InvalidateRect(control, nullptr, TRUE);
}
