#include "power/power_actions.h"

#include <memory>

namespace {

// The token is closed through the same table that opened it, so that a
// recorder's made-up handle never reaches the real CloseHandle.
struct TokenCloser {
    decltype(&::CloseHandle) closeHandle;
    void operator()(HANDLE token) const { closeHandle(token); }
};
using ScopedToken = std::unique_ptr<void, TokenCloser>;

// ExitWindowsEx flags. Never EWX_FORCE or EWX_FORCEIFHUNG: applications get
// the ordinary chance to save their work or refuse.
constexpr UINT kEwxShutdown = EWX_SHUTDOWN;
constexpr UINT kEwxLogoff = EWX_LOGOFF;
constexpr UINT kEwxReboot = EWX_REBOOT;
constexpr UINT kEwxPowerOff = EWX_POWEROFF;
constexpr DWORD kNoReason = 0;

// Spelt out rather than SE_SHUTDOWN_NAME, which is TEXT() and would turn wide
// in a UNICODE build while the call is the ANSI one.
constexpr char kShutdownPrivilege[] = "SeShutdownPrivilege";

}  // namespace

void EnableShutdownPrivilege(const PowerPlatform& platform)
{
    HANDLE rawToken = nullptr;
    if (!platform.openProcessToken(platform.getCurrentProcess(),
                                   TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) {
        return;
    }
    const ScopedToken token(rawToken, TokenCloser{platform.closeHandle});

    TOKEN_PRIVILEGES request = {};
    if (!platform.lookupPrivilegeValue(nullptr, kShutdownPrivilege, &request.Privileges[0].Luid)) {
        return;
    }
    request.PrivilegeCount = 1;
    request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;

    // AdjustTokenPrivileges returns TRUE even when the account does not hold
    // the privilege (it only sets ERROR_NOT_ALL_ASSIGNED); either way the
    // action's own call is made next and fails by itself if it must.
    platform.adjustTokenPrivileges(token.get(), FALSE, &request, 0, nullptr, nullptr);
}

bool CarryOutAction(ShutdownAction action, const PowerPlatform& platform)
{
    switch (action) {
    case ShutdownAction::Standby:
        EnableShutdownPrivilege(platform);
        // Returns only after the machine has resumed (or at once on failure).
        return platform.setSystemPowerState(TRUE, TRUE) != FALSE;
    case ShutdownAction::Hibernate:
        EnableShutdownPrivilege(platform);
        return platform.setSystemPowerState(FALSE, TRUE) != FALSE;
    case ShutdownAction::Shutdown:
        EnableShutdownPrivilege(platform);
        return platform.exitWindowsEx(kEwxShutdown, kNoReason) != FALSE;
    case ShutdownAction::Logoff:
        // Ending one's own session needs no privilege.
        return platform.exitWindowsEx(kEwxLogoff, kNoReason) != FALSE;
    case ShutdownAction::Restart:
        EnableShutdownPrivilege(platform);
        return platform.exitWindowsEx(kEwxReboot, kNoReason) != FALSE;
    case ShutdownAction::PowerOff:
        EnableShutdownPrivilege(platform);
        return platform.exitWindowsEx(kEwxPowerOff, kNoReason) != FALSE;
    }
    // Any other value makes no call: nothing was carried out.
    return false;
}
