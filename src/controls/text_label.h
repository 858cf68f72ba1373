// A static control of a dialog template that the program paints itself: its
// own copy of the text, in its own font and colour, with no background, so
// that whatever the parent paints beneath it shows through.
#pragma once

#include <windows.h>

#include <string>

#include "ui/subclass.h"
#include "base/unique_handle.h"

class TextLabel : public ui::Subclass {
public:
    TextLabel() = default;
    ~TextLabel() override = default;

    // Takes the control over, copies its text and makes the label's font: the
    // parent dialog's font at weight 900. False when the control could not be
    // taken over; it then keeps its ordinary look.
    bool Attach(HWND control);

    // Makes a font from `logFont`, deletes the previous one and keeps the new.
    HFONT ReplaceFont(const LOGFONTA& logFont);

    HFONT Font() const { return font_.Get(); }
    const std::string& Text() const { return text_; }

    // The colour of the text while the control is enabled, unless a skin
    // engine on the dialog gives one (controls/label_colour.h). Setting it
    // asks for no repaint: the owner sets it before the label is first shown.
    void SetTextColour(COLORREF colour) { textColour_ = colour; }
    COLORREF TextColour() const { return textColour_; }

private:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam, bool& handled);

    void Repaint();

    std::string text_;
    base::UniqueFont font_;
    COLORREF textColour_ = RGB(0, 0, 0);
};
