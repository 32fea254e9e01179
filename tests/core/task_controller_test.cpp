#include "core/task_controller.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/stored_settings.h"
#include "task_fixture.h"

namespace dusk {
namespace {

using test::At;
using test::kNoTaskView;
using Names = std::vector<std::wstring>;
using Calls = std::vector<std::string>;

const std::wstring kQuotedProgram = L"\"C:\\Program Files\\Dusk Relay\\DuskRelay.exe\"";
const std::string kTaskSetDaily = "action x---- 00000 | trigger x-- 000 | inputs 000 00 | cancel";

// The task area after its first showing, with nothing stored or registered.
class Scenario : public test::TaskFixture {
public:
    Scenario() { controller.OnFirstShow(); }

    void StartTask(int answer) {
        companion.answers = {answer};
        controller.OnStartTaskClick();
    }
    void StartDaily(TaskAction action, int hour, int minute) {
        controller.OnActionClick(action);
        controller.OnDailyClick();
        view.controls.dailyTimePicker.SetValue(At(2016, 12, 24, hour, minute, 0));
        StartTask(kAnswerYes);
    }
    void StartFromNow(TaskAction action, const wchar_t* hours, const wchar_t* minutes) {
        controller.OnActionClick(action);
        controller.OnFromNowClick();
        view.controls.delayHoursField.SetText(hours);
        view.controls.delayMinutesField.SetText(minutes);
        StartTask(kAnswerYes);
    }
    // The message loop of the watch timer until `until`; a countdown takes 31 seconds, or 3
    // when it is cancelled, and its start is noted. Answers the number of ticks.
    int RunWatch(DateTime until) {
        countdown.whileRunning = [this] {
            countdownStarts.push_back(formats.FormatDateTime(clock.Now()));
            const bool cancelled = !countdown.outcomes.empty() &&
                                   countdown.outcomes.front() == CountdownOutcome::Cancelled;
            clock.Advance(cancelled ? 3000 : 31000);
        };
        int ticks = 0;
        while (controller.watchTimer.Enabled() && clock.Now() < until) {
            clock.Advance(controller.watchTimer.Interval());
            controller.watchTimer.Tick();
            ++ticks;
        }
        return ticks;
    }
    std::vector<std::wstring> BoxTexts() const {
        std::vector<std::wstring> texts;
        for (const auto& box : companion.boxes) texts.push_back(box.text);
        return texts;
    }

    std::vector<std::wstring> countdownStarts;
};

TEST(TaskControllerTest, StartTaskGoesOnOnlyWithYes) {
    for (const int answer : {kAnswerYes, kAnswerNo, 0 /* the box failed */}) {
        auto f = std::make_unique<Scenario>();
        f->StartTask(answer);
        const bool started = answer == kAnswerYes;
        EXPECT_EQ(f->Describe(), started ? kTaskSetDaily : kNoTaskView) << answer;
        EXPECT_EQ(f->task.status, started ? TaskStatus::Set : TaskStatus::None) << answer;
        EXPECT_TRUE(f->registration.requests.empty()) << answer;  // the scheduler is unavailable
        EXPECT_EQ(f->StoredNames(), (started ? Names{L"AdjustInfo", L"Daliy_ShutDown"} : Names{}));
        EXPECT_EQ(f->view.indicator.IconIndex(), started ? kIndicatorTaskSet : kIndicatorNoTask);
        EXPECT_EQ(f->mainWindow.calls, started ? Calls{"hide"} : Calls{}) << answer;
        EXPECT_EQ(f->BoxTexts(), std::vector<std::wstring>{L"Are you sure to perform this task?"});
    }
}

// A task kept here has the system start the program at log-on, as the Run value would without
// User Account Control; where that start is not kept the user hears so once. A cancel removes it.
TEST(TaskControllerTest, LocalTaskStartsAtLogOnOrSaysItCannot) {
    const std::wstring confirm = L"Are you sure to perform this task?";
    const std::wstring lastsWhileRunning =
        L"Windows could not be set to start the program when you log on. The task runs only "
        L"while the program runs.";
    auto daily = [](Scenario& t) { t.StartDaily(TaskAction::ShutDown, 22, 0); };
    struct Case {
        const char* name;
        LogonStartOutcome outcome;
        std::function<void(Scenario&)> start;
        int registrations;
        std::vector<std::wstring> boxes;
    };
    const Case cases[] = {
        {"kept", LogonStartOutcome::Registered, daily, 1, {confirm}},
        {"not kept", LogonStartOutcome::NotKept, daily, 1, {confirm, lastsWhileRunning}},
        {"refused: the scheduler's preparation said why",
         LogonStartOutcome::Refused,
         daily,
         1,
         {confirm}},
        {"no log-on tasks before Vista", LogonStartOutcome::NotAvailable, daily, 1, {confirm}},
        {"from now: no Run value, no log-on start",
         LogonStartOutcome::Registered,
         [](Scenario& t) { t.StartFromNow(TaskAction::ShutDown, L"1", L"0"); },
         0,
         {confirm}},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<Scenario>();
        f->logonStart.outcome = c.outcome;
        c.start(*f);
        EXPECT_EQ(f->task.status, TaskStatus::Set) << c.name;
        EXPECT_EQ(f->logonStart.registrations, c.registrations) << c.name;
        EXPECT_EQ(f->BoxTexts(), c.boxes) << c.name;
        f->companion.answers = {kAnswerYes};
        f->controller.OnCancelTaskClick();
        EXPECT_EQ(f->task.status, TaskStatus::Ended) << c.name;
        EXPECT_FALSE(f->logonStart.registered) << c.name;
    }
}

TEST(TaskControllerTest, LocalStartStoresTheTriggerAndWatchesIt) {
    struct Case {
        const char* name;
        std::function<void(Scenario&)> start;
        std::int32_t storedCode;  // of the action
        Names stored;
        std::wstring_view triggerValue;
        std::wstring triggerText;
        std::wstring run;
        std::wstring summary;
        std::uint32_t interval;
    };
    const Case cases[] = {
        {"daily",
         [](Scenario& t) { t.StartDaily(TaskAction::ShutDown, 22, 0); },
         0,
         {L"AdjustInfo", L"Daliy_ShutDown"},
         kDailyTimeValue,
         L"10:00:00 PM",
         kQuotedProgram,
         L"Shut down scheduled to run on 10:00:00 PM every day.",
         1000},
        {"specified",
         [](Scenario& t) {
             t.controller.OnActionClick(TaskAction::Hibernate);
             t.controller.OnSpecifiedClick();
             t.view.controls.specifiedDatePicker.SetValue(At(2016, 12, 25, 3, 0, 0));
             t.view.controls.specifiedTimePicker.SetValue(At(2016, 12, 24, 8, 30, 0, 999));
             t.StartTask(kAnswerYes);
         },
         3,
         {L"AdjustInfo", L"CountdownTime"},
         kCountdownTimeValue,
         L"12/25/2016 8:30:00 AM",
         kQuotedProgram,
         L"Hibernate scheduled to run on 12/25/2016 8:30:00 AM.",
         60000},
        {"from now",
         [](Scenario& t) { t.StartFromNow(TaskAction::LogOff, L"0", L"1"); },
         1,
         {L"AdjustInfo", L"HourandMinute", L"WaitTime"},
         kWaitTimeReadValue,
         L"12/24/2016 9:06:09 PM",
         L"none",
         L"Log off scheduled to run on 12/24/2016 9:06:09 PM.",
         60000},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<Scenario>();
        c.start(*f);
        EXPECT_EQ(f->StoredNames(), c.stored) << c.name;
        EXPECT_EQ(f->store.Peek(kRootLocalMachine, kSettingsKeyPath, c.triggerValue)->text,
                  c.triggerText)
            << c.name;
        EXPECT_EQ(f->store.Peek(kRootLocalMachine, kSettingsKeyPath, kAdjustInfoValue)->integer,
                  c.storedCode)
            << c.name;
        EXPECT_EQ(f->RunValue(), c.run) << c.name;
        EXPECT_EQ(f->view.summaryLabel.Text(), c.summary) << c.name;
        EXPECT_TRUE(f->controller.watchTimer.Enabled()) << c.name;
        EXPECT_EQ(f->controller.watchTimer.Interval(), c.interval) << c.name;
    }
    auto f = std::make_unique<Scenario>();
    f->StartFromNow(TaskAction::LogOff, L"0", L"1");
    EXPECT_EQ(f->store.Peek(kRootLocalMachine, kSettingsKeyPath, kHourAndMinuteValue)->text,
              L"0|1");
}

TEST(TaskControllerTest, RegistrationAnswersDecideTheView) {
    struct Case {
        RegistrationResult answer;
        std::string view;
        TaskStatus status;
    };
    const Case cases[] = {
        {RegistrationResult::Registered,
         "action --x-- 00000 | trigger --x 000 | inputs 000 00 | cancel", TaskStatus::Set},
        {RegistrationResult::Rejected, kNoTaskView, TaskStatus::None},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<Scenario>();
        f->registration.answer = c.answer;
        f->StartFromNow(TaskAction::StandBy, L"2", L"05");
        EXPECT_EQ(f->Describe(), c.view);
        EXPECT_EQ(f->task.status, c.status);
        EXPECT_TRUE(f->StoredNames().empty());
        EXPECT_FALSE(f->controller.watchTimer.Enabled());
        ASSERT_EQ(f->registration.requests.size(), 1u);
        const ScheduledTask& sent = f->registration.requests[0];
        EXPECT_EQ(sent.actionKeyword, L"Standby");
        EXPECT_EQ(sent.trigger, TriggerKind::FromNow);
        EXPECT_EQ(sent.start, At(2016, 12, 24, 23, 11, 0));  // the scheduler's next minute
        EXPECT_EQ(sent.delayHoursText + L"|" + sent.delayMinutesText, L"2|05");
    }
    auto f = std::make_unique<Scenario>();
    f->registration.answer = RegistrationResult::Registered;
    f->StartFromNow(TaskAction::StandBy, L"2", L"05");
    EXPECT_EQ(f->view.summaryLabel.Text(), L"Sleep scheduled to run on 12/24/2016 11:11:00 PM.");
    EXPECT_EQ(f->view.indicator.Hint(), L"A task has been assigned...");
}

TEST(TaskControllerTest, RejectedInputNeverReachesTheScheduler) {
    struct Case {
        const char* name;
        std::function<void(Scenario&)> choose;
        std::string view;
        std::wstring warning;
    };
    const Case cases[] = {
        {"specified moment past",
         [](Scenario& t) { t.controller.OnSpecifiedClick(); },  // today at noon
         kNoTaskView, L"Please select a time after 12/24/2016 9:05:09 PM."},
        {"zero delay",
         [](Scenario& t) {
             t.controller.OnFromNowClick();
             t.view.controls.delayHoursUpDown.StepDown();
         },
         "action x---- 11111 | trigger --x 111 | inputs 000 11 | start", L"Please set the time."},
    };
    for (const RegistrationResult answer :
         {RegistrationResult::Unavailable, RegistrationResult::Registered}) {
        for (const Case& c : cases) {
            auto f = std::make_unique<Scenario>();
            f->registration.answer = answer;
            c.choose(*f);
            f->StartTask(kAnswerYes);
            EXPECT_EQ(f->Describe(), c.view) << c.name;
            EXPECT_EQ(f->BoxTexts(),
                      (std::vector<std::wstring>{L"Are you sure to perform this task?", c.warning}))
                << c.name;
            EXPECT_EQ(f->companion.boxes.back().style, kMbWarning) << c.name;
            EXPECT_TRUE(f->registration.requests.empty()) << c.name;
            EXPECT_TRUE(f->StoredNames().empty()) << c.name;
            EXPECT_EQ(f->task.status, TaskStatus::None) << c.name;
        }
    }
}

TEST(TaskControllerTest, DailyTaskIsWatchedSlowlyAndFoundDueToTheSecond) {
    struct Case {
        const char* name;
        int hour;
        std::vector<CountdownOutcome> outcomes;
        std::vector<std::wstring> starts;
        TaskStatus status;
    };
    const Case cases[] = {
        {"later today, cancelled, then carried out the next day",
         22,
         {CountdownOutcome::Cancelled, CountdownOutcome::RanOut},
         {L"12/24/2016 9:59:30 PM", L"12/25/2016 9:59:30 PM"},
         TaskStatus::Set},  // still set for the day after
        {"already past today",
         20,
         {CountdownOutcome::Cancelled},
         {L"12/25/2016 7:59:30 PM"},
         TaskStatus::Set},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<Scenario>();
        f->StartDaily(TaskAction::ShutDown, c.hour, 0);
        f->countdown.outcomes.assign(c.outcomes.begin(), c.outcomes.end());
        const int ticks = f->RunWatch(At(2016, 12, 26, 0, 0, 0));
        EXPECT_EQ(f->countdownStarts, c.starts) << c.name;
        EXPECT_LT(ticks, 2 * 27 * 180 + 2 * 120) << c.name;  // every 20 s, but the last minutes
        EXPECT_EQ(f->task.status, c.status) << c.name;
        EXPECT_EQ(f->Describe(), kTaskSetDaily) << c.name;  // a daily task stays set and armed
        EXPECT_TRUE(f->controller.watchTimer.Enabled()) << c.name;
        const bool performed = c.outcomes.back() == CountdownOutcome::RanOut;
        EXPECT_EQ(f->PowerCalls(), performed ? Calls{"ExitWindowsEx 0x0D 0"} : Calls{}) << c.name;
        EXPECT_EQ(f->mainWindow.calls.size(), 1 + c.starts.size()) << c.name;  // hide, minimize...
    }
}

TEST(TaskControllerTest, StoredSpecifiedTaskIsRestoredWithinAMinuteOfItsMoment) {
    for (const int secondsPast : {59, 60}) {
        auto f = std::make_unique<test::TaskFixture>();
        f->store.Put(kRootLocalMachine, kSettingsKeyPath, kCountdownTimeValue,
                     {StoredValue::Kind::Text, 0,
                      f->formats.FormatDateTime(f->clock.Now().Plus(-secondsPast * 1000))});
        f->store.Put(kRootLocalMachine, kSettingsKeyPath, kAdjustInfoValue,
                     {StoredValue::Kind::Integer, 3, L""});  // hibernate
        f->controller.OnFirstShow();
        if (secondsPast == 60) {
            EXPECT_EQ(f->task.status, TaskStatus::None);
            EXPECT_EQ(f->Describe(), kNoTaskView);
            EXPECT_TRUE(f->StoredNames().empty());
            EXPECT_FALSE(f->controller.watchTimer.Enabled());
            continue;
        }
        EXPECT_EQ(f->task.status, TaskStatus::Set);
        EXPECT_EQ(f->Describe(), "action ---x- 00000 | trigger -x- 000 | inputs 000 00 | cancel");
        EXPECT_EQ(f->view.indicator.IconIndex(), kIndicatorTaskSet);
        EXPECT_EQ(f->view.indicator.Hint(), L"A task has been assigned...");
        EXPECT_EQ(f->view.summaryLabel.Text(),
                  L"Hibernate scheduled to run on 12/24/2016 9:04:10 PM.");
        EXPECT_EQ(f->controller.watchTimer.Interval(), 60000u);

        f->countdown.outcomes = {CountdownOutcome::RanOut};
        f->clock.Advance(60000);
        f->controller.watchTimer.Tick();
        EXPECT_EQ(f->countdown.runs, std::vector<TaskAction>{TaskAction::Hibernate});
        EXPECT_EQ(f->PowerCalls(), Calls{"SetSystemPowerState 0 -1"});
        EXPECT_EQ(f->Describe(), kNoTaskView);
        EXPECT_EQ(f->task.status, TaskStatus::Ended);
        EXPECT_TRUE(f->StoredNames().empty());
    }
}

TEST(TaskControllerTest, CancelledOneShotCountdownEndsInTheNoTaskView) {
    Scenario s;
    s.StartFromNow(TaskAction::ShutDown, L"0", L"1");
    s.countdown.outcomes = {CountdownOutcome::Cancelled};
    s.RunWatch(At(2016, 12, 24, 22, 0, 0));

    EXPECT_EQ(s.countdownStarts, std::vector<std::wstring>{L"12/24/2016 9:06:09 PM"});
    EXPECT_EQ(s.Describe(), kNoTaskView);
    EXPECT_EQ(s.view.indicator.IconIndex(), kIndicatorNoTask);
    EXPECT_EQ(s.view.indicator.Hint(), L"Tolvane Dusk Relay");
    EXPECT_EQ(s.mainWindow.calls, (Calls{"hide", "minimize", "restore"}));
    EXPECT_EQ(s.task.status, TaskStatus::Ended);
    EXPECT_EQ(s.task.trigger, TriggerKind::None);
    EXPECT_FALSE(s.controller.watchTimer.Enabled());
    EXPECT_TRUE(s.StoredNames().empty());
    EXPECT_EQ(s.registration.deletions, 2);  // before keeping the task, and at its end
    EXPECT_TRUE(s.PowerCalls().empty());
}

TEST(TaskControllerTest, CancelTaskEndsInTheCancelledViewWhateverThereIsToDelete) {
    for (const bool taskSet : {false, true}) {
        auto f = std::make_unique<Scenario>();
        if (taskSet) f->StartDaily(TaskAction::LogOff, 22, 0);
        f->companion.answers = {kAnswerYes};
        f->controller.OnCancelTaskClick();
        EXPECT_EQ(f->Describe(), kNoTaskView);
        EXPECT_EQ(f->view.indicator.IconIndex(), kIndicatorTaskCancelled);
        EXPECT_EQ(f->view.indicator.Hint(), L"The task has been canceled.");
        EXPECT_EQ(f->task.status, TaskStatus::Ended);
        EXPECT_TRUE(f->StoredNames().empty());
        EXPECT_EQ(f->RunValue(), L"none");
        EXPECT_EQ(f->registration.deletions, taskSet ? 2 : 1);
        EXPECT_EQ(f->shortcut.deletions, 1);
        EXPECT_FALSE(f->controller.watchTimer.Enabled());
    }
    Scenario s;
    s.StartDaily(TaskAction::ShutDown, 22, 0);
    for (const int answer : {kAnswerNo, 0}) {
        s.companion.answers = {answer};
        s.controller.OnCancelTaskClick();
        EXPECT_EQ(s.Describe(), kTaskSetDaily);
        EXPECT_EQ(s.registration.deletions + s.shortcut.deletions, 1);  // the start's only
    }
}

TEST(TaskControllerTest, OneCountdownAtATimeAndOnlyOneThatRanOutActs) {
    Scenario s;
    s.StartFromNow(TaskAction::ShutDown, L"0", L"1");
    s.clock.Advance(31000);
    s.controller.watchTimer.Tick();
    ASSERT_TRUE(s.countdown.Open());
    // A scheduled start while the countdown shows is over once that countdown is.
    int done = 0;
    s.controller.OnScheduledStart([&done] { ++done; });
    EXPECT_EQ(done, 0);
    EXPECT_EQ(s.countdown.runs.size(), 1u);
    s.countdown.End(CountdownOutcome::Interrupted);
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(s.PowerCalls().empty());
    EXPECT_EQ(s.task.status, TaskStatus::Set);
}

// Written under another region or edited by hand: a time that does not read back never falls due.
TEST(TaskControllerTest, UnreadableStoredTimesAreForgotten) {
    const RegionalFormats germany(test::FixedRegionSettings("de-DE"));
    const DateTime later = At(2016, 12, 24, 23, 0, 0);
    const std::pair<std::wstring_view, std::wstring> stored[] = {
        {kDailyTimeValue, L"22 Uhr"},
        {kDailyTimeValue, germany.FormatLongTime(later).append(L"x")},
        {kCountdownTimeValue, germany.FormatDateTime(later)},
        {kWaitTimeWrittenValue, L""},
    };
    for (const auto& [name, text] : stored) {
        auto f = std::make_unique<test::TaskFixture>();
        f->store.Put(kRootLocalMachine, kSettingsKeyPath, name, {StoredValue::Kind::Text, 0, text});
        f->store.Put(kRootLocalMachine, kSettingsKeyPath, kHourAndMinuteValue,
                     {StoredValue::Kind::Text, 0, L"1|0"});
        f->controller.OnFirstShow();
        EXPECT_EQ(f->task.status, TaskStatus::None) << text;
        EXPECT_EQ(f->Describe(), kNoTaskView);
        EXPECT_TRUE(f->StoredNames().empty());
        EXPECT_FALSE(f->controller.watchTimer.Enabled());
    }
}

TEST(TaskControllerTest, ScheduledTaskIsRestoredAndRunByAScheduledStart) {
    struct Case {
        const char* name;
        bool scheduledStart;
        std::vector<CountdownOutcome> outcomes;
        std::string view;
        TaskStatus status;
        Calls power;
    };
    const std::string restored = "action -x--- 00000 | trigger --x 000 | inputs 000 00 | cancel";
    const Case cases[] = {
        {"restored", false, {}, restored, TaskStatus::Set, {}},
        {"ran out",
         true,
         {CountdownOutcome::RanOut},
         kNoTaskView,
         TaskStatus::Ended,
         {"ExitWindowsEx 0x04 0"}},
        {"cancelled", true, {CountdownOutcome::Cancelled}, kNoTaskView, TaskStatus::Ended, {}},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<test::TaskFixture>();
        f->registration.registered = ScheduledTask{L"Logoff", TriggerKind::FromNow,
                                                   f->clock.Now().Plus(-50000), L"2", L"05"};
        f->countdown.outcomes.assign(c.outcomes.begin(), c.outcomes.end());
        f->controller.OnFirstShow();
        int done = 0;
        if (c.scheduledStart) f->controller.OnScheduledStart([&done] { ++done; });
        EXPECT_EQ(done, c.scheduledStart ? 1 : 0) << c.name;
        EXPECT_EQ(f->Describe(), c.view) << c.name;
        EXPECT_EQ(f->task.status, c.status) << c.name;
        EXPECT_EQ(f->PowerCalls(), c.power) << c.name;
        EXPECT_EQ(f->registration.registered.has_value(), !c.scheduledStart) << c.name;
        EXPECT_EQ(f->countdown.runs.size(), c.outcomes.size()) << c.name;
        if (!c.scheduledStart) {
            EXPECT_EQ(f->view.controls.delayHoursField.Text() + L"|" +
                          f->view.controls.delayMinutesField.Text(),
                      L"2|05");
            EXPECT_EQ(f->view.indicator.IconIndex(), kIndicatorTaskSet);
        }
    }
}

TEST(TaskControllerTest, FirstShowingSetsUpOnceAndHandedOverStartsNeedATask) {
    Scenario s;
    EXPECT_EQ(s.view.controls.standByRadio.Caption(), L"Sleep");
    EXPECT_TRUE(s.controller.clockTimer.Enabled());
    s.controller.clockTimer.Tick();
    EXPECT_EQ(s.view.clockLabel.Text(), L"12/24/2016 9:05:09 PM");

    s.controller.OnFromNowClick();
    const std::string chosen = s.Describe();
    s.controller.OnFirstShow();  // a second showing
    EXPECT_EQ(s.Describe(), chosen);

    int done = 0;
    s.controller.OnScheduledStart([&done] { ++done; });  // no task set: no countdown
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(s.countdown.runs.empty());
    EXPECT_EQ(s.log.lines.back(), L"scheduled start matches no task due now: nothing performed");
    EXPECT_TRUE(s.PowerCalls().empty());
}

// The log tells what the system answered the action; a refusal is never logged as done.
TEST(TaskControllerTest, ThePerformedActionIsLoggedWithTheSystemsAnswer) {
    const struct {
        std::uint32_t error;
        const wchar_t* line;
    } cases[] = {
        {0, L"action performed: Restart, the system answered 0"},
        {1314, L"action failed: Restart, the system answered error 1314"},
    };
    for (const auto& c : cases) {
        Scenario s;
        s.powerApi.actionError = c.error;
        s.countdown.outcomes = {CountdownOutcome::RanOut};
        s.StartFromNow(TaskAction::Restart, L"0", L"1");
        s.RunWatch(At(2016, 12, 24, 22, 0, 0));
        EXPECT_EQ(s.PowerCalls(), Calls{"ExitWindowsEx 0x06 0"});
        EXPECT_EQ(s.log.lines.back(), c.line);
    }
    // A task restored without a stored action performs nothing.
    auto f = std::make_unique<test::TaskFixture>();
    f->store.Put(kRootLocalMachine, kSettingsKeyPath, kCountdownTimeValue,
                 {StoredValue::Kind::Text, 0, f->formats.FormatDateTime(f->clock.Now())});
    f->countdown.outcomes = {CountdownOutcome::RanOut};
    f->controller.OnFirstShow();
    f->clock.Advance(60000);
    f->controller.watchTimer.Tick();
    EXPECT_EQ(f->countdown.runs, std::vector<TaskAction>{TaskAction::None});
    EXPECT_TRUE(f->PowerCalls().empty());
    EXPECT_EQ(f->log.lines.back(), L"no action stored: nothing performed");
}

}  // namespace
}  // namespace dusk
