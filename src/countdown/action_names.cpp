#include "countdown/action_names.h"

const char* ActionNameKey(ShutdownAction action)
{
    switch (action) {
    case ShutdownAction::Standby:
        return "_Standby";
    case ShutdownAction::Hibernate:
        return "_Hibernate";
    case ShutdownAction::Shutdown:
        return "_Shutdown";
    case ShutdownAction::Logoff:
        return "_Logoff";
    case ShutdownAction::Restart:
        return "_RestartPC";
    case ShutdownAction::PowerOff:
        return "_PowerOffPC";
    }
    return nullptr;
}
