#include "system/scheduler_registration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_task_scheduler.h"
#include "fakes/recording_activity_log.h"

namespace dusk {
namespace {

using Calls = std::vector<std::string>;

struct PromptLog {
    bool answer = true;
    std::vector<std::string> shown;

    SchedulerPrompts Prompts() {
        return {[this] {
                    shown.push_back("ask to start");
                    return answer;
                },
                [this] { shown.push_back("start failed"); }};
    }
};

TEST(PrepareScheduler, ServiceStartsAutomaticallyAndRuns) {
    struct Case {
        const char* name;
        const wchar_t* family;
        bool queryFails;
        std::uint32_t startType;
        bool setFails;
        bool running;
        bool userAgrees;
        bool startSucceeds;
        bool expected;
        Calls calls;
        std::vector<std::string> prompts;
    };
    const std::string query = "QueryServiceStartType Schedule";
    const std::string set = "SetServiceStartType Schedule 2";
    const Case cases[] = {
        {"already automatic and running",
         L"windows10",
         false,
         2,
         false,
         true,
         true,
         true,
         true,
         {query, "IsSchedulerRunning"},
         {}},
        {"made automatic",
         L"xp",
         false,
         3,
         false,
         true,
         true,
         true,
         true,
         {query, set, "IsSchedulerRunning"},
         {}},
        {"configuration unreadable",
         L"windows7",
         true,
         3,
         false,
         true,
         true,
         true,
         false,
         {query},
         {}},
        {"configuration unchangeable",
         L"2000",
         false,
         4,
         true,
         true,
         true,
         true,
         false,
         {query, set},
         {}},
        {"started after the user agrees",
         L"vista",
         false,
         2,
         false,
         false,
         true,
         true,
         true,
         {query, "IsSchedulerRunning", "StartScheduler"},
         {"ask to start"}},
        {"user refuses",
         L"vista",
         false,
         2,
         false,
         false,
         false,
         true,
         false,
         {query, "IsSchedulerRunning"},
         {"ask to start"}},
        {"start fails",
         L"nt",
         false,
         2,
         false,
         false,
         true,
         false,
         false,
         {query, "IsSchedulerRunning", "StartScheduler"},
         {"ask to start", "start failed"}},
        {"scheduler window systems have no service",
         L"me",
         true,
         3,
         true,
         true,
         true,
         true,
         true,
         {"IsSchedulerRunning"},
         {}},
        {"neither family",
         L"95",
         false,
         2,
         false,
         false,
         true,
         false,
         false,
         {query, "IsSchedulerRunning", "StartScheduler"},
         {"ask to start", "start failed"}},
    };
    for (const Case& c : cases) {
        test::FakeTaskScheduler scheduler;
        scheduler.queryFails = c.queryFails;
        scheduler.startType = c.startType;
        scheduler.setFails = c.setFails;
        scheduler.running = c.running;
        scheduler.startSucceeds = c.startSucceeds;
        PromptLog prompts;
        prompts.answer = c.userAgrees;
        EXPECT_EQ(PrepareScheduler(scheduler, c.family, prompts.Prompts()), c.expected) << c.name;
        EXPECT_EQ(scheduler.calls, c.calls) << c.name;
        EXPECT_EQ(prompts.shown, c.prompts) << c.name;
    }
}

TEST(SchedulerTaskRegistration, RegistersReadsBackAndDeletesTheProgramsJob) {
    struct Case {
        const char* name;
        bool queryFails, running, userAgrees;
        SaveOutcome saveOutcome;
        RegistrationResult expected;
        bool noticeShown;
        std::vector<std::wstring> logged;
    };
    const Case cases[] = {
        {"registered",
         false,
         true,
         true,
         SaveOutcome::Saved,
         RegistrationResult::Registered,
         true,
         {}},
        {"service not readable",
         true,
         true,
         true,
         SaveOutcome::Saved,
         RegistrationResult::Unavailable,
         false,
         {L"scheduler not available"}},
        {"user refuses the start",
         false,
         false,
         false,
         SaveOutcome::Saved,
         RegistrationResult::Unavailable,
         false,
         {L"scheduler not available"}},
        {"save fails",
         false,
         true,
         true,
         SaveOutcome::SaveFailed,
         RegistrationResult::Unavailable,
         true,
         {L"job not saved, error 5"}},
    };
    const ScheduledTask task{L"Logoff", TriggerKind::FromNow,
                             *DateTime::FromParts({2016, 11, 5, 12, 20, 40}), L"2", L"05"};
    for (const Case& c : cases) {
        test::FakeTaskScheduler scheduler;
        scheduler.queryFails = c.queryFails;
        scheduler.running = c.running;
        scheduler.saveOutcome = c.saveOutcome;
        PromptLog prompts;
        prompts.answer = c.userAgrees;
        int notices = 0;
        RecordingActivityLog log;
        SchedulerTaskRegistration registration(
            scheduler, L"windows10", {L"C:\\D\\", L"me"}, prompts.Prompts(),
            [&notices](std::function<void()> onClosed) {
                ++notices;
                onClosed();
            },
            log);
        bool prepared = false;
        registration.Prepare([&prepared](bool ready) { prepared = ready; });
        EXPECT_EQ(prepared ? registration.Register(task) : RegistrationResult::Unavailable,
                  c.expected)
            << c.name;
        EXPECT_EQ(notices, c.noticeShown ? 1 : 0) << c.name;
        EXPECT_EQ(log.lines, c.logged) << c.name;
        const auto back = registration.ReadRegistered();
        ASSERT_EQ(back.has_value(), c.expected == RegistrationResult::Registered) << c.name;
        if (!back) continue;
        EXPECT_EQ(scheduler.jobs.begin()->first, L"TolvaneDuskRelayme");
        EXPECT_EQ(back->delayHoursText, L"2");
        EXPECT_EQ(back->delayMinutesText, L"05");
        // A job of the same name made to start another program is not the program's task.
        scheduler.jobs.begin()->second.application = L"C:\\Users\\Public\\DuskRelay.exe";
        EXPECT_FALSE(registration.ReadRegistered().has_value()) << c.name;
        scheduler.jobs.begin()->second.application = L"C:\\D\\DuskRelay.exe";
        EXPECT_EQ(registration.Method(), L"scheduler 1.0");  // the fake keeps 1.0's flags

        // A job the scheduler will not delete is still there; one it deletes is gone.
        scheduler.deleteFails = true;
        EXPECT_FALSE(registration.DeleteRegistered());
        EXPECT_EQ(scheduler.jobs.size(), 1u);
        scheduler.deleteFails = false;
        EXPECT_TRUE(registration.DeleteRegistered());
        EXPECT_TRUE(scheduler.jobs.empty());
        EXPECT_TRUE(registration.DeleteRegistered());  // none left is no failure
    }
}

}  // namespace
}  // namespace dusk
