#pragma once
#include <memory>
#include <string_view>

#include "system/power_api.h"

namespace dusk {

constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;  // TOKEN_ADJUST_PRIVILEGES

// Disables the named privilege in the process token; nothing when the token does not open or the
// privilege is unknown.
void DisablePrivilege(PowerApi& api, std::wstring_view privilegeName);

// A privilege asked for in the process token for the calls made while the object lives, and
// disabled again when it goes, so the process does not keep it for the rest of its run.
class ScopedPrivilege {
public:
    ScopedPrivilege(PowerApi& api, std::wstring_view privilegeName);
    ~ScopedPrivilege();
    ScopedPrivilege(const ScopedPrivilege&) = delete;
    ScopedPrivilege& operator=(const ScopedPrivilege&) = delete;

    // True once the request was made, whether or not the account holds the privilege; false
    // when the token does not open or the privilege is unknown on this system.
    bool Requested() const { return requested_; }

private:
    PowerApi& api_;
    std::wstring_view privilegeName_;
    bool requested_ = false;
};

}  // namespace dusk
