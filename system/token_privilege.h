#pragma once
#include <string_view>

#include "system/power_api.h"

namespace dusk {

constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;  // TOKEN_ADJUST_PRIVILEGES

// Asks for the named privilege in the process token. True once the request was made, whether
// or not the account holds the privilege; false when the token does not open or the privilege
// is unknown on this system.
bool EnablePrivilege(PowerApi& api, std::wstring_view privilegeName);

}  // namespace dusk
