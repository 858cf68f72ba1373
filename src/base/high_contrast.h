// Whether the user runs a High Contrast theme: the program's labels then
// paint in the theme's colours, and the skin engine paints nothing of its own.
#pragma once

bool SystemHighContrastOn();
