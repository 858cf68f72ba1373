#include "high_contrast.h"

#include <windows.h>

namespace skin {
namespace {

int g_forced = -1;

}  // namespace

bool HighContrastOn()
{
    if (g_forced >= 0) {
        return g_forced != 0;
    }
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void ForceHighContrast(int forced)
{
    g_forced = forced < 0 ? -1 : (forced != 0 ? 1 : 0);
}

}  // namespace skin
