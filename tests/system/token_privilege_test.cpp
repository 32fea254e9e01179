#include "system/token_privilege.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_power_api.h"

namespace dusk {
namespace {

// Asked for while the scope lasts and disabled again at its end, whether or not the account
// holds it; nothing to disable when it could not be asked for.
TEST(ScopedPrivilege, IsDisabledAgainWhenTheScopeEnds) {
    const std::string open = "OpenProcessToken 0x20";
    const std::string lookup = "LookupPrivilegeValue SeSecurityPrivilege";
    const std::string enable = "AdjustTokenPrivileges count=1 luid=0x13:0 attributes=2";
    const std::string disable = "AdjustTokenPrivileges count=1 luid=0x13:0 attributes=0";
    struct Case {
        bool tokenOpens, privilegeFound, adjustSucceeds, requested;
        std::vector<std::string> calls;
    };
    const std::string close = "CloseHandle";
    const Case cases[] = {
        {true,
         true,
         true,
         true,
         {open, lookup, enable, close, "in scope", open, lookup, disable, close}},
        {true,
         true,
         false,
         true,
         {open, lookup, enable, close, "in scope", open, lookup, disable, close}},
        {false, true, true, false, {open, "in scope"}},
        {true, false, true, false, {open, lookup, close, "in scope"}},
    };
    for (const Case& c : cases) {
        test::RecordingPowerApi api;
        api.tokenOpens = c.tokenOpens;
        api.privilegeFound = c.privilegeFound;
        api.adjustSucceeds = c.adjustSucceeds;
        {
            const ScopedPrivilege privilege(api, L"SeSecurityPrivilege");
            EXPECT_EQ(privilege.Requested(), c.requested);
            api.calls.push_back("in scope");
        }
        EXPECT_EQ(api.calls, c.calls);
    }
}

}  // namespace
}  // namespace dusk
