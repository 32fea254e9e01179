#include "system/power_actions.h"

#include "core/message_catalogue.h"
#include "core/task_model.h"
#include "system/token_privilege.h"

namespace dusk {

namespace {

bool Confirm(Companion& companion, const MessageCatalogue& catalogue, WindowHandle owner,
             CatalogueEntry question) {
    return companion.ShowMessageBox(owner, catalogue.Text(question),
                                    catalogue.Text(CatalogueEntry::AppTitle),
                                    kMbQuestionYesNo) == kAnswerYes;
}

// The privilege's failure does not stop the call: the system refuses it if it must.
void ExitWithPrivilege(PowerApi& api, std::uint32_t flags) {
    EnableShutdownPrivilege(api);
    api.ExitSession(flags, 0);
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

void PerformPowerAction(PowerApi& api, std::int32_t actionCode) {
    switch (actionCode) {
        case kActionShutDown:
            EnableShutdownPrivilege(api);
            api.ExitSession(kExitShutdownPowerOff, 0);
            break;
        case kActionLogOff:
            EnableShutdownPrivilege(api);
            api.ExitSession(kExitLogoff, 0);
            break;
        case kActionStandBy:
        case kActionStandByAlias:
            // Without the privilege the program ends: the quit request is queued first and takes
            // effect once control is back in the message loop, after the suspend call.
            if (EnableShutdownPrivilege(api) != 0) api.RequestQuit();
            api.SetPowerState(kSystemTrue, kSystemTrue);
            // The process goes on after the computer wakes: it does not keep the privilege.
            DisablePrivilege(api, kShutdownPrivilegeName);
            break;
        case kActionHibernate:
            EnableShutdownPrivilege(api);
            api.SetPowerState(kSystemFalse, kSystemTrue);
            DisablePrivilege(api, kShutdownPrivilegeName);
            break;
        case kActionRestart:
            PerformRestart(api);
            break;
        default:
            break;
    }
}

void PerformRestart(PowerApi& api) { ExitWithPrivilege(api, kExitReboot); }

bool RestartComputerNow(PowerApi& api, Companion& companion, const MessageCatalogue& catalogue,
                        WindowHandle mainWindow) {
    if (!Confirm(companion, catalogue, mainWindow, CatalogueEntry::ConfirmRestartNow)) return false;
    PerformRestart(api);
    return true;
}

bool ShutDownComputerNow(PowerApi& api, Companion& companion, const MessageCatalogue& catalogue,
                         WindowHandle mainWindow) {
    if (!Confirm(companion, catalogue, mainWindow, CatalogueEntry::ConfirmShutDownNow)) {
        return false;
    }
    ExitWithPrivilege(api, kExitShutdownPowerOff);
    return true;
}

}  // namespace dusk
