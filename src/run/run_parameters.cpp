#include "run/run_parameters.h"

bool IsKnownAction(std::int32_t value)
{
    return value >= static_cast<std::int32_t>(ShutdownAction::Standby) &&
           value <= static_cast<std::int32_t>(ShutdownAction::PowerOff);
}

RunParameters& TheRunParameters()
{
    static RunParameters parameters;
    return parameters;
}
