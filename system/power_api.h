#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

namespace dusk {

// TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY
constexpr std::uint32_t kTokenAdjustPrivilegesAndQuery = 0x28;
constexpr std::uint32_t kPrivilegeEnabled = 2;        // SE_PRIVILEGE_ENABLED
constexpr std::uint32_t kErrorNotAllAssigned = 1300;  // ERROR_NOT_ALL_ASSIGNED
constexpr std::uint32_t kErrorGenFailure = 31;        // ERROR_GEN_FAILURE: a failure without a code
constexpr std::wstring_view kShutdownPrivilegeName = L"SeShutdownPrivilege";

// ExitWindowsEx flags; each forces, so no other application can veto the action.
constexpr std::uint32_t kExitShutdownPowerOff = 0x0D;  // EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF
constexpr std::uint32_t kExitLogoff = 0x04;            // EWX_LOGOFF | EWX_FORCE
constexpr std::uint32_t kExitReboot = 0x06;            // EWX_REBOOT | EWX_FORCE

// The system's 32-bit booleans as SetSystemPowerState takes them.
constexpr std::int32_t kSystemTrue = -1;
constexpr std::int32_t kSystemFalse = 0;

struct PrivilegeId {  // LUID
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;

    friend bool operator==(const PrivilegeId&, const PrivilegeId&) = default;
};

// TOKEN_PRIVILEGES with room for one privilege.
struct PrivilegeRequest {
    std::uint32_t count = 1;
    PrivilegeId id;
    std::uint32_t attributes = kPrivilegeEnabled;
};

// An open access token; closed when destroyed.
class AccessToken {
public:
    virtual ~AccessToken() = default;
    // AdjustTokenPrivileges(token, FALSE, &request, 0, nullptr, nullptr).
    virtual bool AdjustPrivileges(const PrivilegeRequest& request) = 0;
};

// The operating-system calls behind the power actions. Method names differ from the Win32
// functions they stand for, so that windows.h macros cannot rename them.
class PowerApi {
public:
    virtual ~PowerApi() = default;
    // The current process's token opened with the access mask; null on failure.
    virtual std::unique_ptr<AccessToken> OpenOwnToken(std::uint32_t access) = 0;
    // Looks the privilege up on the local system.
    virtual bool FindPrivilege(std::wstring_view name, PrivilegeId& id) = 0;
    // The calling thread's last system error code.
    virtual std::uint32_t LastErrorCode() = 0;
    // ExitWindowsEx: only starts the log-off or shut-down sequence.
    virtual bool ExitSession(std::uint32_t flags, std::uint32_t reason) = 0;
    // SetSystemPowerState.
    virtual bool SetPowerState(std::int32_t suspend, std::int32_t force) = 0;
    // Posts a quit request to the message loop; the process ends once control is back there.
    virtual void RequestQuit() = 0;
};

}  // namespace dusk
