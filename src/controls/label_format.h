// How a taken-over static control's text is laid out: the DrawText format
// that matches the alignment bits of the control's window style.
#pragma once

#include <windows.h>

// SS_RIGHT wins over SS_CENTER; SS_CENTERIMAGE makes one vertically centered
// line, anything else wraps at word boundaries from the top. DT_NOPREFIX is
// left out on purpose, so "&" marks a mnemonic as in any static control.
UINT LabelDrawFormat(LONG style);
