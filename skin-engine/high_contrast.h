// Whether the user runs a High Contrast theme, in which the engine paints
// nothing of its own. Tests force the answer through the export
// SkinEngineForceHighContrast of the engine's test build (never shipped),
// because Wine cannot switch High Contrast on.
#pragma once

namespace skin {

bool HighContrastOn();

// -1: ask the system again; 0 or 1: answer that instead.
void ForceHighContrast(int forced);

}  // namespace skin
