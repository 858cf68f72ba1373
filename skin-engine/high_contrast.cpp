#include "high_contrast.h"

#include "base/high_contrast.h"

namespace skin {
namespace {

int g_forced = -1;

}  // namespace

bool HighContrastOn()
{
    if (g_forced >= 0) {
        return g_forced != 0;
    }
    return SystemHighContrastOn();
}

void ForceHighContrast(int forced)
{
    g_forced = forced < 0 ? -1 : (forced != 0 ? 1 : 0);
}

}  // namespace skin
