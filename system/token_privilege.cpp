#include "system/token_privilege.h"

namespace dusk {

ScopedPrivilege::ScopedPrivilege(PowerApi& api, std::wstring_view privilegeName)
    : token_(api.OpenOwnToken(kTokenAdjustPrivileges)) {
    if (!token_ || !api.FindPrivilege(privilegeName, request_.id)) return;
    token_->AdjustPrivileges(request_);
    requested_ = true;
}

ScopedPrivilege::~ScopedPrivilege() {
    if (!requested_) return;
    PrivilegeRequest disable = request_;
    disable.attributes = 0;
    token_->AdjustPrivileges(disable);
}

}  // namespace dusk
