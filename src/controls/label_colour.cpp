#include "controls/label_colour.h"

COLORREF LabelTextColour(bool enabled, bool highContrast, LRESULT answer, COLORREF ownColour)
{
    if (!enabled) {
        return ::GetSysColor(COLOR_GRAYTEXT);
    }
    if (highContrast) {
        return ::GetSysColor(COLOR_WINDOWTEXT);
    }
    if ((answer & ~static_cast<LRESULT>(0x00FFFFFF)) == kLabelColourAnswered) {
        return static_cast<COLORREF>(answer & 0x00FFFFFF);
    }
    return ownColour;
}

LabelKind LabelKindOf(HFONT font)
{
    LOGFONTA logFont{};
    const bool bold = font != nullptr && ::GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont &&
                      logFont.lfWeight >= FW_BOLD;
    return bold ? LabelKind::Heading : LabelKind::Information;
}
