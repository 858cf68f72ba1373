// The question a text label asks its dialog for the colour of its text: a
// skin engine's subclass of the dialog answers it with the skin's colour for
// that kind of label; the dialog's own procedure answers 0, which is no
// answer.
#pragma once

#include <windows.h>

// RegisterWindowMessage name of the question. wParam: the LabelKind;
// lParam: the label's window. The answer: LabelColourAnswer(colour).
constexpr char kLabelColourMessageName[] = "Tolvrin.LabelColour";

enum class LabelKind : WPARAM { Information = 0, Heading = 1 };

// A colour (0x00BBGGRR) with a bit above it, so that black is an answer too.
constexpr LRESULT kLabelColourAnswered = 0x01000000;

constexpr LRESULT LabelColourAnswer(COLORREF colour)
{
    return kLabelColourAnswered | static_cast<LRESULT>(colour & 0x00FFFFFF);
}
