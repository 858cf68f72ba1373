#include "controls/label_format.h"

UINT LabelDrawFormat(LONG style)
{
    UINT format = DT_LEFT;
    if (style & SS_CENTER) {
        format = DT_CENTER;
    }
    if (style & SS_RIGHT) {
        format = DT_RIGHT;
    }
    format |= (style & SS_CENTERIMAGE) ? (DT_VCENTER | DT_SINGLELINE) : DT_WORDBREAK;
    return format;
}
