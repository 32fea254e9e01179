#include "system/power_actions.h"

#include "core/task_model.h"
#include "system/token_privilege.h"

namespace dusk {

namespace {

// 0 for a call that succeeded, else the error code it left.
std::uint32_t Answer(PowerApi& api, bool succeeded) {
    if (succeeded) return 0;
    const std::uint32_t error = api.LastErrorCode();
    return error != 0 ? error : kErrorGenFailure;
}

// The privilege's failure does not stop the call: the system refuses it if it must.
std::uint32_t ExitWithPrivilege(PowerApi& api, std::uint32_t flags) {
    EnableShutdownPrivilege(api);
    return Answer(api, api.ExitSession(flags, 0));
}

}  // namespace

std::uint32_t EnableShutdownPrivilege(PowerApi& api) {
    const auto token = api.OpenOwnToken(kTokenAdjustPrivilegesAndQuery);
    if (!token) return api.LastErrorCode();
    PrivilegeRequest request;
    if (api.FindPrivilege(kShutdownPrivilegeName, request.id)) token->AdjustPrivileges(request);
    // A successful adjustment sets the last error itself: 0, or 1300 when not all were
    // assigned. Read before the token closes so the close cannot disturb it.
    return api.LastErrorCode();
}

std::uint32_t PerformPowerAction(PowerApi& api, TaskAction action) {
    switch (action) {
        case TaskAction::ShutDown:
            return ExitWithPrivilege(api, kExitShutdownPowerOff);
        case TaskAction::LogOff:
            return ExitWithPrivilege(api, kExitLogoff);
        case TaskAction::StandBy: {
            // Without the privilege the program ends: the quit request is queued first and takes
            // effect once control is back in the message loop, after the suspend call.
            if (EnableShutdownPrivilege(api) != 0) api.RequestQuit();
            const std::uint32_t answer = Answer(api, api.SetPowerState(kSystemTrue, kSystemTrue));
            // The process goes on after the computer wakes: it does not keep the privilege.
            DisablePrivilege(api, kShutdownPrivilegeName);
            return answer;
        }
        case TaskAction::Hibernate: {
            EnableShutdownPrivilege(api);
            const std::uint32_t answer = Answer(api, api.SetPowerState(kSystemFalse, kSystemTrue));
            DisablePrivilege(api, kShutdownPrivilegeName);
            return answer;
        }
        case TaskAction::Restart:
            return ExitWithPrivilege(api, kExitReboot);
        case TaskAction::None:
            break;
    }
    return 0;
}

}  // namespace dusk
