#pragma once
#include "system/power_api.h"

namespace dusk::win32 {

// The power calls of advapi32, user32 and kernel32.
class SystemPowerApi : public PowerApi {
public:
    std::unique_ptr<AccessToken> OpenOwnToken(std::uint32_t access) override;
    bool FindPrivilege(std::wstring_view name, PrivilegeId& id) override;
    std::uint32_t LastErrorCode() override;
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override;
    bool SetPowerState(std::int32_t suspend, std::int32_t force) override;
    void RequestQuit() override;
};

}  // namespace dusk::win32
