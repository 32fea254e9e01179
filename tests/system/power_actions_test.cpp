#include "system/power_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_power_api.h"

namespace dusk {
namespace {

using test::RecordingPowerApi;
using Calls = std::vector<std::string>;

const Calls kPrivilegeCalls = {
    "OpenProcessToken 0x28",
    "LookupPrivilegeValue SeShutdownPrivilege",
    "AdjustTokenPrivileges count=1 luid=0x13:0 attributes=2",
    "GetLastError",
    "CloseHandle",
};

enum class Privilege { Granted, NotHeld, TokenFails, LookupFails };

void Configure(RecordingPowerApi& api, Privilege privilege) {
    api.adjustError = privilege == Privilege::NotHeld ? kErrorNotAllAssigned : 0;
    api.tokenOpens = privilege != Privilege::TokenFails;
    api.privilegeFound = privilege != Privilege::LookupFails;
}

Calls PrivilegeCalls(Privilege privilege) {
    switch (privilege) {
        case Privilege::TokenFails:
            return {"OpenProcessToken 0x28", "GetLastError"};
        case Privilege::LookupFails:
            return {"OpenProcessToken 0x28", "LookupPrivilegeValue SeShutdownPrivilege",
                    "GetLastError", "CloseHandle"};
        default:
            return kPrivilegeCalls;
    }
}

Calls Join(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(EnableShutdownPrivilege, AnswersTheErrorOfTheStepThatFailed) {
    struct Case {
        Privilege privilege;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{Privilege::Granted, 0u}, Case{Privilege::NotHeld, 1300u},
                          Case{Privilege::TokenFails, 5u}, Case{Privilege::LookupFails, 1313u}}) {
        RecordingPowerApi api;
        Configure(api, c.privilege);
        EXPECT_EQ(EnableShutdownPrivilege(api), c.expected) << static_cast<int>(c.privilege);
        EXPECT_EQ(api.calls, PrivilegeCalls(c.privilege)) << static_cast<int>(c.privilege);
    }
}

TEST(EnableShutdownPrivilege, FailedAdjustmentAnswersItsError) {
    RecordingPowerApi api;
    api.adjustSucceeds = false;
    api.adjustError = 6;
    EXPECT_EQ(EnableShutdownPrivilege(api), 6u);
    EXPECT_EQ(api.calls, kPrivilegeCalls);
}

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

struct ActionCase {
    TaskAction action;
    Privilege privilege;
    Calls after;  // calls that follow the privilege steps
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << "action " << static_cast<int>(c.action);
}

class PerformPowerActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(PerformPowerActionTest, MakesTheCallsOfTheAction) {
    const ActionCase& c = GetParam();
    RecordingPowerApi api;
    Configure(api, c.privilege);
    EXPECT_EQ(PerformPowerAction(api, c.action), 0u);
    EXPECT_EQ(api.calls, Join(PrivilegeCalls(c.privilege), c.after));
}

std::string ActionCaseName(const ::testing::TestParamInfo<ActionCase>& info) {
    static const char* const kNames[] = {"Granted", "NotHeld", "TokenFails", "LookupFails"};
    return Narrow(ActionKeyword(info.param.action)) +
           kNames[static_cast<int>(info.param.privilege)];
}

// After a sleep or hibernation the process goes on, and gives the privilege back.
Calls ThenDisabled(Calls calls, Privilege privilege) {
    switch (privilege) {
        case Privilege::TokenFails:
            return Join(calls, {"OpenProcessToken 0x20"});
        case Privilege::LookupFails:
            return Join(calls, {"OpenProcessToken 0x20", "LookupPrivilegeValue SeShutdownPrivilege",
                                "CloseHandle"});
        default:
            return Join(calls,
                        {"OpenProcessToken 0x20", "LookupPrivilegeValue SeShutdownPrivilege",
                         "AdjustTokenPrivileges count=1 luid=0x13:0 attributes=0", "CloseHandle"});
    }
}

const Calls kShutdown = {"ExitWindowsEx 0x0D 0"};
const Calls kLogoff = {"ExitWindowsEx 0x04 0"};
const Calls kSuspend = ThenDisabled({"SetSystemPowerState -1 -1"}, Privilege::Granted);
const Calls kQuitThenSuspend = {"PostQuitMessage", "SetSystemPowerState -1 -1"};
const Calls kHibernate = ThenDisabled({"SetSystemPowerState 0 -1"}, Privilege::Granted);
const Calls kRestart = {"ExitWindowsEx 0x06 0"};

using enum TaskAction;
INSTANTIATE_TEST_SUITE_P(
    Actions, PerformPowerActionTest,
    ::testing::Values(ActionCase{ShutDown, Privilege::Granted, kShutdown},
                      ActionCase{ShutDown, Privilege::NotHeld, kShutdown},
                      ActionCase{ShutDown, Privilege::TokenFails, kShutdown},
                      ActionCase{LogOff, Privilege::Granted, kLogoff},
                      ActionCase{LogOff, Privilege::NotHeld, kLogoff},
                      ActionCase{LogOff, Privilege::LookupFails, kLogoff},
                      ActionCase{StandBy, Privilege::Granted, kSuspend},
                      ActionCase{StandBy, Privilege::NotHeld,
                                 ThenDisabled(kQuitThenSuspend, Privilege::NotHeld)},
                      ActionCase{StandBy, Privilege::TokenFails,
                                 ThenDisabled(kQuitThenSuspend, Privilege::TokenFails)},
                      ActionCase{StandBy, Privilege::LookupFails,
                                 ThenDisabled(kQuitThenSuspend, Privilege::LookupFails)},
                      ActionCase{Hibernate, Privilege::Granted, kHibernate},
                      ActionCase{Hibernate, Privilege::NotHeld, kHibernate},
                      ActionCase{Hibernate, Privilege::TokenFails,
                                 ThenDisabled({"SetSystemPowerState 0 -1"}, Privilege::TokenFails)},
                      ActionCase{Restart, Privilege::Granted, kRestart},
                      ActionCase{Restart, Privilege::NotHeld, kRestart}),
    ActionCaseName);

TEST(PerformPowerAction, NoneMakesNoCallAtAll) {
    RecordingPowerApi api;
    EXPECT_EQ(PerformPowerAction(api, TaskAction::None), 0u);
    EXPECT_THAT(api.calls, ::testing::IsEmpty());
}

// A refused call answers the system's error code, read before the privilege is given back (that
// adjustment leaves 0 as the last error).
TEST(PerformPowerAction, ARefusedCallAnswersItsErrorCode) {
    for (const ActionInfo& info : kActions) {
        RecordingPowerApi api;
        api.actionError = 1314;  // ERROR_PRIVILEGE_NOT_HELD
        EXPECT_EQ(PerformPowerAction(api, info.action), 1314u) << Narrow(info.keyword);
    }
}

}  // namespace
}  // namespace dusk
