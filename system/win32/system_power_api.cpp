#include "system/win32/system_power_api.h"

#include <windows.h>

#include <string>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

namespace {

class ProcessToken : public AccessToken {
public:
    explicit ProcessToken(UniqueHandle token) : token_(std::move(token)) {}

    bool AdjustPrivileges(const PrivilegeRequest& request) override {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = request.count;
        privileges.Privileges[0].Luid.LowPart = request.id.lowPart;
        privileges.Privileges[0].Luid.HighPart = request.id.highPart;
        privileges.Privileges[0].Attributes = request.attributes;
        return ::AdjustTokenPrivileges(token_.Get(), FALSE, &privileges, 0, nullptr, nullptr) !=
               FALSE;
    }

private:
    UniqueHandle token_;
};

}  // namespace

std::unique_ptr<AccessToken> SystemPowerApi::OpenOwnToken(std::uint32_t access) {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), access, token.Put())) return nullptr;
    return std::make_unique<ProcessToken>(std::move(token));
}

bool SystemPowerApi::FindPrivilege(std::wstring_view name, PrivilegeId& id) {
    const std::wstring terminated(name);
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, terminated.c_str(), &luid)) return false;
    id = {luid.LowPart, luid.HighPart};
    return true;
}

std::uint32_t SystemPowerApi::LastErrorCode() { return ::GetLastError(); }

bool SystemPowerApi::ExitSession(std::uint32_t flags, std::uint32_t reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

bool SystemPowerApi::SetPowerState(std::int32_t suspend, std::int32_t force) {
    return ::SetSystemPowerState(suspend, force) != FALSE;
}

void SystemPowerApi::RequestQuit() { ::PostQuitMessage(0); }

}  // namespace dusk::win32
