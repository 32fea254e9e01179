#include "system/token_privilege.h"

namespace dusk {

bool EnablePrivilege(PowerApi& api, std::wstring_view privilegeName) {
    const auto token = api.OpenOwnToken(kTokenAdjustPrivileges);
    if (!token) return false;
    PrivilegeRequest request;
    if (!api.FindPrivilege(privilegeName, request.id)) return false;
    token->AdjustPrivileges(request);
    return true;
}

}  // namespace dusk
