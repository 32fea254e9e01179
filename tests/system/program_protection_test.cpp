#include "system/program_protection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_task_scheduler.h"
#include "fakes/recording_activity_log.h"
#include "system/scheduler_registration.h"

namespace dusk {
namespace {

constexpr std::uint32_t kFullControl = 0x1F01FF;
constexpr std::uint32_t kModify = 0x1301BF;
constexpr std::uint32_t kReadAndExecute = 0x1200A9;
constexpr std::uint32_t kWriteData = 0x2;

AccessEntry Allow(Trustee trustee, std::uint32_t rights, bool inheritOnly = false) {
    return {true, trustee, rights, inheritOnly};
}
AccessEntry Deny(Trustee trustee, std::uint32_t rights) { return {false, trustee, rights, false}; }

// What the setup gives the folder: Program Files' protection.
std::vector<AccessEntry> SetupEntries() {
    return {Allow(Trustee::System, kFullControl), Allow(Trustee::Administrators, kFullControl),
            Allow(Trustee::Users, kReadAndExecute)};
}

TEST(ProgramProtection, OnlyAdministratorsMayChangeTheProgramsFiles) {
    struct Case {
        const char* what;
        FileSecurity file;
        bool isProtected;
    };
    auto with = [](std::vector<AccessEntry> extra, Trustee owner = Trustee::Administrators) {
        std::vector<AccessEntry> entries = SetupEntries();
        entries.insert(entries.end(), extra.begin(), extra.end());
        return FileSecurity{L"C:\\Tools\\Dusk Relay", true, owner, true, entries};
    };
    const Case cases[] = {
        {"as the setup leaves it", with({}), true},
        {"owned by the system", with({}, Trustee::System), true},
        {"owned by the installer service", with({}, Trustee::TrustedInstaller), true},
        {"owned by a user, who may rewrite the list", with({}, Trustee::Other), false},
        {"a drive root's authenticated users may modify",
         with({Allow(Trustee::AuthenticatedUsers, kModify)}), false},
        {"everyone may write data", with({Allow(Trustee::Everyone, kWriteData)}), false},
        {"generic write for users", with({Allow(Trustee::Users, 0x40000000)}), false},
        {"one user may take it over (write owner)", with({Allow(Trustee::Other, 0x80000)}), false},
        {"interactive users may delete", with({Allow(Trustee::Interactive, 0x10000)}), false},
        {"a change right only passed on to new files", with({Allow(Trustee::Users, kModify, true)}),
         true},
        {"creator owner, which grants nothing here", with({Allow(Trustee::CreatorOwner, kModify)}),
         true},
        {"denied to everyone before it is granted",
         with({Deny(Trustee::Everyone, kModify), Allow(Trustee::AuthenticatedUsers, kModify)}),
         true},
        {"denied only after it is granted",
         with({Allow(Trustee::AuthenticatedUsers, kModify), Deny(Trustee::Everyone, kModify)}),
         false},
        {"denied to one other group only",
         with({Deny(Trustee::Other, kModify), Allow(Trustee::Users, kModify)}), false},
        {"no access list at all", {L"C:\\D", true, Trustee::Administrators, false, {}}, false},
        {"security not readable", {L"C:\\D", false, Trustee::Administrators, true, {}}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OnlyAdministratorsCanChange(c.file), c.isProtected) << c.what;
}

struct FakeProgramFiles : ProgramFilesSecurity {
    std::vector<FileSecurity> files;
    std::vector<FileSecurity> Read() override { return files; }
};

// The registration keeps a task of an unprotected program locally, says why and logs it; a
// protected program's task is registered.
TEST(ProgramProtection, RegistrationRefusesTheJobOfAnUnprotectedProgram) {
    const FileSecurity folder{L"C:\\D", true, Trustee::Administrators, true, SetupEntries()};
    FileSecurity program = folder;
    program.path = L"C:\\D\\DuskRelay.exe";
    FileSecurity writableProgram = program;
    writableProgram.entries.push_back(Allow(Trustee::AuthenticatedUsers, kModify));
    struct Case {
        const char* what;
        std::vector<FileSecurity> files;
        RegistrationResult expected;
        std::vector<std::wstring> reported;
    };
    const Case cases[] = {
        {"protected", {folder, program}, RegistrationResult::Registered, {}},
        {"a writable program file",
         {folder, writableProgram},
         RegistrationResult::Unavailable,
         {L"C:\\D\\DuskRelay.exe"}},
        {"nothing could be read", {}, RegistrationResult::Unavailable, {L""}},
    };
    const ScheduledTask task{L"Shutdown", TriggerKind::Daily,
                             *DateTime::FromParts({2016, 11, 5, 22, 0}), L"", L""};
    for (const Case& c : cases) {
        FakeProgramFiles files;
        files.files = c.files;
        std::vector<std::wstring> reported;
        RecordingActivityLog log;
        ElevatedStartGuard guard(
            files, [&](const std::wstring& path) { reported.push_back(path); }, &log);
        test::FakeTaskScheduler scheduler;
        SchedulerTaskRegistration registration(
            scheduler, L"windows10", {L"C:\\D\\", L"me"}, {[] { return true; }, [] {}},
            [](std::function<void()> onClosed) { onClosed(); }, log, &guard);
        RegistrationResult result = RegistrationResult::Unavailable;
        registration.Prepare([&](bool prepared) {
            if (prepared) result = registration.Register(task);
        });
        EXPECT_EQ(result, c.expected) << c.what;
        EXPECT_EQ(reported, c.reported) << c.what;
        EXPECT_EQ(log.lines.size(), c.reported.size()) << c.what;
        EXPECT_EQ(scheduler.jobs.empty(), c.expected != RegistrationResult::Registered) << c.what;
    }
}

}  // namespace
}  // namespace dusk
