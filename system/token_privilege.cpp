#include "system/token_privilege.h"

namespace dusk {

namespace {

// The privilege's entry in a freshly opened token set to `attributes`; false when the token does
// not open or the privilege is unknown.
bool AdjustPrivilege(PowerApi& api, std::wstring_view privilegeName, std::uint32_t attributes) {
    const auto token = api.OpenOwnToken(kTokenAdjustPrivileges);
    if (!token) return false;
    PrivilegeRequest request;
    if (!api.FindPrivilege(privilegeName, request.id)) return false;
    request.attributes = attributes;
    token->AdjustPrivileges(request);
    return true;
}

}  // namespace

void DisablePrivilege(PowerApi& api, std::wstring_view privilegeName) {
    AdjustPrivilege(api, privilegeName, 0);
}

ScopedPrivilege::ScopedPrivilege(PowerApi& api, std::wstring_view privilegeName)
    : api_(api),
      privilegeName_(privilegeName),
      requested_(AdjustPrivilege(api, privilegeName, kPrivilegeEnabled)) {}

ScopedPrivilege::~ScopedPrivilege() {
    if (requested_) DisablePrivilege(api_, privilegeName_);
}

}  // namespace dusk
