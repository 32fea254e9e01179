#include "core/task_command.h"

#include <gtest/gtest.h>

#include "task_fixture.h"

namespace dusk {
namespace {

struct TaskCommandTest : ::testing::Test, test::TaskFixture {
    TaskCommands commands{controller, task, view.controls, clock, taskStore, commandPrompts};

    CommandResult Run(std::vector<std::wstring> arguments) {
        return commands.Run(ParseCommandLine(arguments));
    }
};

TEST_F(TaskCommandTest, SetRegistersWithoutAQuestionQueryReadsItBackAndCancelRemovesIt) {
    registration.answer = RegistrationResult::Registered;
    EXPECT_EQ(Run({L"/query"}).text, L"none");
    EXPECT_EQ(Run({L"/set", L"restart", L"daily", L"03:00"}).code, CommandExitCode::Done);
    ASSERT_TRUE(registration.registered);
    EXPECT_EQ(registration.registered->actionKeyword, L"Restart");
    EXPECT_EQ(registration.registered->trigger, TriggerKind::Daily);
    EXPECT_EQ(registration.registered->start.TimeOfDayMs(), 3 * DateTime::kMsPerHour);
    EXPECT_EQ(Run({L"/query"}).text, L"restart daily 03:00 scheduler");

    // A second /set replaces the task.
    EXPECT_EQ(Run({L"/set", L"logoff", L"at", L"2016-12-25", L"07:30"}).code,
              CommandExitCode::Done);
    EXPECT_EQ(registration.registered->actionKeyword, L"Logoff");
    EXPECT_EQ(Run({L"/query"}).text, L"logoff at 2016-12-25 07:30 scheduler");

    EXPECT_EQ(Run({L"/cancel"}).code, CommandExitCode::Done);
    EXPECT_FALSE(registration.registered);
    EXPECT_EQ(Run({L"/query"}).text, L"none");
    EXPECT_TRUE(companion.boxes.empty());
    EXPECT_FALSE(commandPrompts.CommandRunning());
}

TEST_F(TaskCommandTest, WithoutTheSchedulerTheTaskIsKeptLocallyOrTheReasonIsAnswered) {
    EXPECT_EQ(Run({L"/set", L"sleep", L"in", L"90"}).code, CommandExitCode::Done);
    EXPECT_EQ(task.action, TaskAction::StandBy);
    const std::wstring line = Run({L"/query"}).text;
    EXPECT_EQ(line.substr(0, 25), L"sleep at 2016-12-24 22:35") << line;
    EXPECT_TRUE(line.ends_with(L" local")) << line;
    EXPECT_EQ(Run({L"/cancel"}).code, CommandExitCode::Done);

    store.failWrites = true;
    const CommandResult failed = Run({L"/set", L"shutdown", L"daily", L"23:00"});
    EXPECT_EQ(failed.code, CommandExitCode::NotCarriedOut);
    EXPECT_EQ(failed.text, catalogue.Text(CatalogueEntry::SaveFailed));
    EXPECT_TRUE(companion.boxes.empty());
}

TEST_F(TaskCommandTest, AMomentThatPassedBeforeTheSetIsRefused) {
    registration.answer = RegistrationResult::Registered;
    const CommandResult result = Run({L"/set", L"hibernate", L"at", L"2016-12-24", L"21:00"});
    EXPECT_EQ(result.code, CommandExitCode::NotCarriedOut);
    EXPECT_FALSE(result.text.empty());
    EXPECT_FALSE(registration.registered);
    EXPECT_EQ(Run({L"/query"}).text, L"none");
}

TEST(CommandActionTest, EveryCommandActionHasItsTaskAction) {
    for (const CommandActionName& name : kCommandActionNames) {
        const TaskAction action = TaskActionOf(name.action);
        EXPECT_EQ(CommandActionOf(action), name.action);
        EXPECT_FALSE(ActionKeyword(action).empty());
    }
    EXPECT_EQ(TaskActionOf(CommandAction::Restart), TaskAction::Restart);
    EXPECT_EQ(CommandActionOf(TaskAction::None), std::nullopt);
}

}  // namespace
}  // namespace dusk
