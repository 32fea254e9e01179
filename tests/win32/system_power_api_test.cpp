// Runs the privilege steps against the real system. The power calls themselves are never made
// here: they would end the session.
#include "system/win32/system_power_api.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "base/win32/unique_handle.h"
#include "system/power_actions.h"

namespace dusk::win32 {
namespace {

// The attributes of the privilege in this process's token; nothing when the token lacks it.
std::optional<DWORD> PrivilegeAttributes(const LUID& luid) {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return std::nullopt;
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (!::GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size))
        return std::nullopt;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID& held = privileges->Privileges[i].Luid;
        if (held.LowPart == luid.LowPart && held.HighPart == luid.HighPart)
            return privileges->Privileges[i].Attributes;
    }
    return std::nullopt;
}

TEST(SystemPowerApi, FindsTheShutdownPrivilegeOnTheLocalSystem) {
    SystemPowerApi api;
    PrivilegeId id;
    ASSERT_TRUE(api.FindPrivilege(kShutdownPrivilegeName, id));
    LUID expected{};
    ASSERT_TRUE(::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &expected));
    EXPECT_EQ(id.lowPart, expected.LowPart);
    EXPECT_EQ(id.highPart, expected.HighPart);
}

TEST(SystemPowerApi, UnknownPrivilegeLeavesItsErrorCode) {
    SystemPowerApi api;
    PrivilegeId id{7, 7};
    EXPECT_FALSE(api.FindPrivilege(L"SeNoSuchPrivilege", id));
    EXPECT_EQ(api.LastErrorCode(), static_cast<std::uint32_t>(ERROR_NO_SUCH_PRIVILEGE));
    EXPECT_EQ(id, (PrivilegeId{7, 7}));
}

TEST(SystemPowerApi, EnablesTheShutdownPrivilegeInTheProcessToken) {
    SystemPowerApi api;
    const std::uint32_t result = EnableShutdownPrivilege(api);
    RecordProperty("result", static_cast<int>(result));
    LUID luid{};
    ASSERT_TRUE(::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &luid));
    const auto attributes = PrivilegeAttributes(luid);
    if (result == 0) {
        ASSERT_TRUE(attributes.has_value());
        EXPECT_NE(*attributes & SE_PRIVILEGE_ENABLED, 0u);
    } else {
        EXPECT_EQ(result, kErrorNotAllAssigned);  // an account without the privilege
    }
}

TEST(SystemPowerApi, TokenOpensWithTheAdjustAndQueryMask) {
    SystemPowerApi api;
    EXPECT_NE(api.OpenOwnToken(kTokenAdjustPrivilegesAndQuery), nullptr);
}

}  // namespace
}  // namespace dusk::win32
