#include "system/token_privilege.h"

#include <gtest/gtest.h>

#include "fakes/recording_power_api.h"

namespace dusk {
namespace {

TEST(EnablePrivilege, TrueOnceAskedForWhetherOrNotTheAccountHoldsIt) {
    struct Case {
        bool tokenOpens, privilegeFound, adjustSucceeds, expected;
        std::size_t calls;
    };
    for (const Case& c : {Case{true, true, true, true, 4}, Case{true, true, false, true, 4},
                          Case{false, true, true, false, 1}, Case{true, false, true, false, 3}}) {
        test::RecordingPowerApi api;
        api.tokenOpens = c.tokenOpens;
        api.privilegeFound = c.privilegeFound;
        api.adjustSucceeds = c.adjustSucceeds;
        EXPECT_EQ(EnablePrivilege(api, L"SeSecurityPrivilege"), c.expected);
        ASSERT_EQ(api.calls.size(), c.calls);
        EXPECT_EQ(api.calls[0], "OpenProcessToken 0x20");
        if (c.calls == 4) {
            EXPECT_EQ(api.calls[1], "LookupPrivilegeValue SeSecurityPrivilege");
            EXPECT_EQ(api.calls[2], "AdjustTokenPrivileges count=1 luid=0x13:0 attributes=2");
        }
    }
}

}  // namespace
}  // namespace dusk
