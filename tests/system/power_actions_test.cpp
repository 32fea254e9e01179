#include "system/power_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/message_catalogue.h"
#include "fakes/fake_companion.h"
#include "fakes/recording_power_api.h"

namespace dusk {
namespace {

using test::FakeCompanion;
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

struct ActionCase {
    std::int32_t code;
    Privilege privilege;
    Calls after;  // calls that follow the privilege steps
};

void PrintTo(const ActionCase& c, std::ostream* os) { *os << "code " << c.code; }

class PerformPowerActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(PerformPowerActionTest, MakesTheCallsOfTheActionCode) {
    const ActionCase& c = GetParam();
    RecordingPowerApi api;
    Configure(api, c.privilege);
    PerformPowerAction(api, c.code);
    EXPECT_EQ(api.calls, Join(PrivilegeCalls(c.privilege), c.after));
}

std::string ActionCaseName(const ::testing::TestParamInfo<ActionCase>& info) {
    static const char* const kNames[] = {"Granted", "NotHeld", "TokenFails", "LookupFails"};
    return "Code" + std::to_string(info.param.code) +
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

INSTANTIATE_TEST_SUITE_P(
    Codes, PerformPowerActionTest,
    ::testing::Values(
        ActionCase{0, Privilege::Granted, kShutdown}, ActionCase{0, Privilege::NotHeld, kShutdown},
        ActionCase{0, Privilege::TokenFails, kShutdown}, ActionCase{1, Privilege::Granted, kLogoff},
        ActionCase{1, Privilege::NotHeld, kLogoff}, ActionCase{1, Privilege::LookupFails, kLogoff},
        ActionCase{2, Privilege::Granted, kSuspend},
        ActionCase{2, Privilege::NotHeld, ThenDisabled(kQuitThenSuspend, Privilege::NotHeld)},
        ActionCase{2, Privilege::TokenFails, ThenDisabled(kQuitThenSuspend, Privilege::TokenFails)},
        ActionCase{2, Privilege::LookupFails,
                   ThenDisabled(kQuitThenSuspend, Privilege::LookupFails)},
        ActionCase{3, Privilege::Granted, kHibernate},
        ActionCase{3, Privilege::NotHeld, kHibernate},
        ActionCase{3, Privilege::TokenFails,
                   ThenDisabled({"SetSystemPowerState 0 -1"}, Privilege::TokenFails)},
        ActionCase{4, Privilege::Granted, kSuspend},
        ActionCase{4, Privilege::NotHeld, ThenDisabled(kQuitThenSuspend, Privilege::NotHeld)},
        ActionCase{4, Privilege::TokenFails, ThenDisabled(kQuitThenSuspend, Privilege::TokenFails)},
        ActionCase{5, Privilege::Granted, kRestart}, ActionCase{5, Privilege::NotHeld, kRestart}),
    ActionCaseName);

TEST(PerformPowerAction, UnknownCodesMakeNoCallAtAll) {
    for (std::int32_t code : {6, -1, 100, INT_MIN, INT_MAX}) {
        RecordingPowerApi api;
        PerformPowerAction(api, code);
        EXPECT_THAT(api.calls, ::testing::IsEmpty()) << code;
    }
}

TEST(PerformRestart, ForcesARestartWhateverThePrivilegeAnswers) {
    for (Privilege privilege : {Privilege::Granted, Privilege::NotHeld, Privilege::TokenFails}) {
        RecordingPowerApi api;
        Configure(api, privilege);
        PerformRestart(api);
        EXPECT_EQ(api.calls, Join(PrivilegeCalls(privilege), {"ExitWindowsEx 0x06 0"}))
            << static_cast<int>(privilege);
    }
}

using ImmediateAction = bool (*)(PowerApi&, Companion&, const MessageCatalogue&, WindowHandle);

struct ImmediateCase {
    const char* name;
    ImmediateAction action;
    const wchar_t* question;
    const char* exitCall;
};

const ImmediateCase kImmediate[] = {
    {"restart", RestartComputerNow, L"Are you sure you want to restart the computer now?",
     "ExitWindowsEx 0x06 0"},
    {"shut down", ShutDownComputerNow, L"Do you want to shut down the computer now?",
     "ExitWindowsEx 0x0D 0"},
};

TEST(ImmediateActions, YesEnablesThePrivilegeThenExits) {
    int mainWindow = 0;
    for (const ImmediateCase& c : kImmediate) {
        RecordingPowerApi api;
        api.adjustError = kErrorNotAllAssigned;  // the call is made regardless
        FakeCompanion companion;
        companion.answers = {kAnswerYes};
        MessageCatalogue catalogue;
        EXPECT_TRUE(c.action(api, companion, catalogue, &mainWindow)) << c.name;
        EXPECT_EQ(api.calls, Join(kPrivilegeCalls, {c.exitCall})) << c.name;
        ASSERT_EQ(companion.boxes.size(), 1u) << c.name;
        EXPECT_EQ(companion.boxes[0].owner, &mainWindow) << c.name;
        EXPECT_EQ(companion.boxes[0].text, c.question) << c.name;
        EXPECT_EQ(companion.boxes[0].caption, L"Tolvane Dusk Relay") << c.name;
        EXPECT_EQ(companion.boxes[0].style, 0x24u) << c.name;
    }
}

TEST(ImmediateActions, AnyAnswerButYesMakesNoCall) {
    for (const ImmediateCase& c : kImmediate) {
        for (int answer : {kAnswerNo, 2 /* closed */, 0}) {
            RecordingPowerApi api;
            FakeCompanion companion;
            companion.answers = {answer};
            MessageCatalogue catalogue;
            EXPECT_FALSE(c.action(api, companion, catalogue, nullptr)) << c.name << answer;
            EXPECT_THAT(api.calls, ::testing::IsEmpty()) << c.name << answer;
        }
    }
}

TEST(ImmediateActions, AskWithTheCurrentCatalogueText) {
    RecordingPowerApi api;
    FakeCompanion companion;
    companion.answers = {kAnswerNo};
    MessageCatalogue catalogue;
    catalogue.SetText(CatalogueEntry::ConfirmRestartNow, L"Neu starten?");
    catalogue.SetText(CatalogueEntry::AppTitle, L"Relais");
    RestartComputerNow(api, companion, catalogue, nullptr);
    ASSERT_EQ(companion.boxes.size(), 1u);
    EXPECT_EQ(companion.boxes[0].text, L"Neu starten?");
    EXPECT_EQ(companion.boxes[0].caption, L"Relais");
}

}  // namespace
}  // namespace dusk
