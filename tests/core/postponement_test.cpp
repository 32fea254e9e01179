#include "core/postponement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/early_warning.h"
#include "core/stored_settings.h"
#include "task_fixture.h"

namespace dusk {
namespace {

using test::At;

TaskRecord SetTask(TriggerKind trigger, DateTime moment) {
    TaskRecord task;
    task.trigger = trigger;
    task.status = TaskStatus::Set;
    task.dailyTime = TimeOfDay::Of(moment);
    task.due = moment;
    return task;
}

TEST(PostponementTest, OneShotTasksMoveFromNowAndDailyTasksKeepTheirTime) {
    const DateTime now = At(2016, 12, 24, 21, 5, 9, 300);
    struct Case {
        TriggerKind trigger;
        int minutes;
        DateTime due;
        const wchar_t* storedDelayMinutes;
    };
    const Case cases[] = {
        {TriggerKind::Specified, 10, At(2016, 12, 24, 21, 15, 9), L""},
        {TriggerKind::FromNow, 30, At(2016, 12, 24, 21, 35, 9, 300), L"30"},
        {TriggerKind::FromNow, 60, At(2016, 12, 24, 22, 5, 9, 300), L"60"},
        {TriggerKind::Daily, 60, At(2016, 12, 24, 22, 5, 9, 300), L""},
    };
    for (const Case& c : cases) {
        const auto plan =
            PlanPostponement(SetTask(c.trigger, At(2016, 12, 24, 21, 5, 0)), now, c.minutes);
        ASSERT_TRUE(plan) << c.minutes;
        EXPECT_EQ(plan->due, c.due) << c.minutes;
        if (c.trigger == TriggerKind::Daily) continue;
        EXPECT_EQ(plan->job.trigger, c.trigger);
        EXPECT_EQ(plan->job.start, c.due);
        EXPECT_EQ(plan->stored.trigger, c.trigger);
        EXPECT_EQ(plan->stored.due, c.due);
        EXPECT_EQ(plan->stored.delayMinutesText, c.storedDelayMinutes);
    }
    EXPECT_FALSE(PlanPostponement(SetTask(TriggerKind::FromNow, now), now, 15));
    EXPECT_FALSE(PlanPostponement(TaskRecord{}, now, 10));
}

// A task kept inside the program, run by its watch on the simulated clock.
class WatchedTask : public test::TaskFixture {
public:
    WatchedTask() { controller.OnFirstShow(); }

    void Start(TriggerKind trigger) {
        companion.answers = {kAnswerYes};
        registration.answer = RegistrationResult::Unavailable;
        controller.OnActionClick(TaskAction::ShutDown);
        if (trigger == TriggerKind::Daily) {
            controller.OnDailyClick();
            view.controls.dailyTimePicker.SetValue(At(2016, 12, 24, 21, 10, 0));
        } else {
            controller.OnFromNowClick();
            view.controls.delayHoursField.SetText(L"0");
            view.controls.delayMinutesField.SetText(L"5");
        }
        controller.OnStartTaskClick();
        ASSERT_EQ(task.status, TaskStatus::Set);
    }
    // Runs the watch until `until`; each countdown is noted and takes 31 seconds unless postponed.
    void RunWatch(DateTime until) {
        countdown.whileRunning = [this] {
            starts.push_back(clock.Now());
            const bool postponed = !countdown.outcomes.empty() &&
                                   countdown.outcomes.front() == CountdownOutcome::Postponed;
            clock.Advance(postponed ? 2000 : 31000);
        };
        while (controller.watchTimer.Enabled() && clock.Now() < until) {
            clock.Advance(controller.watchTimer.Interval());
            controller.watchTimer.Tick();
        }
    }
    bool Logged(const std::wstring& start) const {
        for (const auto& line : log.lines)
            if (line.rfind(start, 0) == 0) return true;
        return false;
    }
    std::vector<DateTime> starts;
};

TEST(PostponementTest, APostponedOneShotTaskIsKeptAgainAndActsOnlyAtItsNewMoment) {
    WatchedTask t;
    t.Start(TriggerKind::FromNow);  // due 21:10:09
    t.countdown.outcomes = {CountdownOutcome::Postponed, CountdownOutcome::RanOut};
    t.countdown.postponedMinutes = 30;
    t.RunWatch(At(2016, 12, 24, 23, 0, 0));
    ASSERT_EQ(t.starts.size(), 2u);
    EXPECT_LT(MillisecondsBetween(At(2016, 12, 24, 21, 10, 9), t.starts[0]), 31000);
    // Postponed two seconds into the countdown: due 30 minutes after that.
    const std::int64_t late = MillisecondsBetween(t.starts[1], t.starts[0]);
    EXPECT_GE(late, 30 * 60000 - 30000 + 2000 - 60000);
    EXPECT_LE(late, 30 * 60000 + 2000);
    EXPECT_TRUE(t.Logged(L"task postponed, Shutdown due 2016-12-24"));
    EXPECT_EQ(t.PowerCalls().size(), 1u);  // once, at the end of the second countdown
    EXPECT_EQ(t.task.status, TaskStatus::Ended);
}

TEST(PostponementTest, APostponedDailyOccurrenceComesBackOnceAndTheNextDayKeepsItsTime) {
    WatchedTask t;
    t.Start(TriggerKind::Daily);  // 21:10:00
    t.countdown.outcomes = {CountdownOutcome::Postponed, CountdownOutcome::RanOut,
                            CountdownOutcome::RanOut};
    t.countdown.postponedMinutes = 10;
    t.RunWatch(At(2016, 12, 25, 21, 11, 0));
    ASSERT_EQ(t.starts.size(), 3u);
    EXPECT_EQ(t.starts[1].TimeOfDayMs() / 60000, (21 * 60 + 19));  // 21:20 less the window
    EXPECT_EQ(t.starts[2].Date(), At(2016, 12, 25));
    EXPECT_EQ(t.starts[2].TimeOfDayMs() / 60000, (21 * 60 + 9));
    EXPECT_EQ(t.task.status, TaskStatus::Set);
}

TEST(PostponementTest, ARegisteredOneShotTaskIsRegisteredAgainAtItsNewMoment) {
    WatchedTask t;
    t.companion.answers = {kAnswerYes};
    t.registration.answer = RegistrationResult::Registered;
    t.controller.OnActionClick(TaskAction::ShutDown);
    t.controller.OnFromNowClick();
    t.view.controls.delayMinutesField.SetText(L"5");
    t.controller.OnStartTaskClick();
    ASSERT_TRUE(t.registration.registered);
    // Postponed from the main window before its moment (the job's whole minute, 22:11), the task
    // moves an hour past it.
    ASSERT_TRUE(t.controller.OnPostpone(60));
    EXPECT_EQ(t.registration.registered->start, At(2016, 12, 24, 23, 11, 0));
    EXPECT_EQ(t.registration.registered->delayMinutesText, L"60");
    EXPECT_EQ(t.task.due, At(2016, 12, 24, 23, 11, 0));
    EXPECT_FALSE(t.controller.OnPostpone(15));  // not on the menu
}

TEST(EarlyWarningTest, WarnsOncePerMomentWithinTheLeadTime) {
    const TaskRecord daily = SetTask(TriggerKind::Daily, At(2016, 12, 20, 21, 30, 0));
    const TaskRecord oneShot = SetTask(TriggerKind::Specified, At(2016, 12, 24, 21, 30, 0));
    struct Case {
        std::int32_t lead;
        DateTime now;
        int minutesLeft;  // 0: no warning
    };
    const Case cases[] = {
        {5, At(2016, 12, 24, 21, 24, 59), 0},  {5, At(2016, 12, 24, 21, 25, 0), 5},
        {5, At(2016, 12, 24, 21, 28, 10), 2},  // started within the lead time
        {5, At(2016, 12, 24, 21, 29, 30), 0},  // the countdown's own window
        {15, At(2016, 12, 24, 21, 15, 0), 15}, {0, At(2016, 12, 24, 21, 27, 0), 0},  // Off
    };
    for (const TaskRecord& task : {daily, oneShot}) {
        for (const Case& c : cases) {
            EarlyWarning warning;
            const auto due = warning.Check(task, c.now, c.lead);
            EXPECT_EQ(due ? due->minutesLeft : 0, c.minutesLeft) << c.now.TimeOfDayMs();
            if (!due) continue;
            EXPECT_EQ(due->due, At(2016, 12, 24, 21, 30, 0));
            EXPECT_FALSE(warning.Check(task, c.now.Plus(1000), c.lead));
        }
    }
    // The next day's moment warns again; a moved occurrence warns too.
    EarlyWarning warning;
    EXPECT_TRUE(warning.Check(daily, At(2016, 12, 24, 21, 26, 0), 5));
    EXPECT_TRUE(warning.Check(daily, At(2016, 12, 25, 21, 26, 0), 5));
    warning.SetExtraMoment(At(2016, 12, 25, 21, 40, 0));
    EXPECT_EQ(warning.Check(daily, At(2016, 12, 25, 21, 36, 0), 5)->minutesLeft, 4);
}

TEST(EarlyWarningTest, TheClockTickTellsTheWarningOnceInTheActionsWords) {
    WatchedTask t;
    t.Start(TriggerKind::Daily);  // 21:10:00, five minutes away
    std::vector<std::wstring> shown;
    t.controller.onEarlyWarning = [&](const std::wstring& text) { shown.push_back(text); };
    for (int second = 0; second < 5; ++second) {
        t.controller.clockTimer.Tick();
        t.clock.Advance(1000);
    }
    EXPECT_EQ(shown, std::vector<std::wstring>{L"Shut down in 5 minutes, at 9:10:00 PM"});
    t.view.warningLead.SetValue(0);
    t.clock.Advance(DateTime::kMsPerDay);
    t.controller.clockTimer.Tick();
    EXPECT_EQ(shown.size(), 1u);
}

// Postpone on the main window: offered from the warning until the moment, moving the moment at
// hand (not now) later; a daily occurrence postponed before it came is not counted down.
TEST(EarlyWarningTest, TheMainWindowOffersPostponeWhileTheWarnedMomentIsAhead) {
    for (const TriggerKind trigger : {TriggerKind::Daily, TriggerKind::FromNow}) {
        SCOPED_TRACE(int(trigger));
        WatchedTask t;
        t.Start(trigger);  // due 21:10:00 or 21:10:09, under five minutes away
        std::vector<std::wstring> shown;
        t.controller.onEarlyWarning = [&](const std::wstring& text) { shown.push_back(text); };
        const auto tickAt = [&t](DateTime at) {
            t.clock.Set(at);
            t.controller.clockTimer.Tick();
            return t.view.postponeButton.Visible();
        };
        t.view.warningLead.SetValue(0);
        EXPECT_FALSE(tickAt(At(2016, 12, 24, 21, 5, 10)));  // Off: no warning, no Postpone
        t.view.warningLead.SetValue(5);
        EXPECT_TRUE(tickAt(At(2016, 12, 24, 21, 5, 11)));
        ASSERT_EQ(shown.size(), 1u);

        t.view.onPostponeChosen(10);
        const DateTime moved = trigger == TriggerKind::Daily ? At(2016, 12, 24, 21, 20, 0)
                                                             : At(2016, 12, 24, 21, 20, 9);
        EXPECT_FALSE(t.view.postponeButton.Visible());  // 15 minutes away: not yet warned of
        if (trigger == TriggerKind::Daily) {
            // The scheduler's start at the day's own moment, which gave way, performs nothing.
            t.clock.Set(At(2016, 12, 24, 21, 10, 0));
            t.controller.OnScheduledStart(nullptr);
            EXPECT_TRUE(t.Logged(L"scheduled start for a postponed occurrence"));
        }
        t.countdown.outcomes = {CountdownOutcome::Cancelled, CountdownOutcome::Cancelled};
        t.RunWatch(At(2016, 12, 24, 21, 14, 0));
        EXPECT_TRUE(t.starts.empty());  // not at the moment that gave way
        EXPECT_TRUE(tickAt(moved.Plus(-5 * DateTime::kMsPerMinute)));
        EXPECT_EQ(shown.size(), 2u);
        EXPECT_FALSE(tickAt(moved.Plus(-30000)));  // the countdown's own time
        t.RunWatch(At(2016, 12, 24, 21, 40, 0));
        ASSERT_EQ(t.starts.size(), 1u);
        EXPECT_GE(t.starts[0], moved.Plus(-30000));
        EXPECT_LE(t.starts[0], moved.Plus(60000));
    }
}

// Postponed at the countdown to a moment within the lead time: no second balloon at once, and the
// main window offers Postpone again.
TEST(EarlyWarningTest, AMomentChosenAtTheCountdownIsNotWarnedOfAgain) {
    WatchedTask t;
    t.view.warningLead.SetValue(15);
    t.Start(TriggerKind::FromNow);  // due 21:10:09
    std::vector<std::wstring> shown;
    t.controller.onEarlyWarning = [&](const std::wstring& text) { shown.push_back(text); };
    t.controller.clockTimer.Tick();
    t.countdown.outcomes = {CountdownOutcome::Postponed};
    t.countdown.postponedMinutes = 10;
    t.RunWatch(At(2016, 12, 24, 21, 11, 0));
    ASSERT_EQ(t.starts.size(), 1u);
    t.controller.clockTimer.Tick();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(t.view.postponeButton.Visible());
}

TEST(EarlyWarningTest, TheLeadTimeIsStoredAndOnlyItsChoicesReadBack) {
    test::MemorySettingsStore store;
    EXPECT_EQ(ReadWarnMinutes(store), kDefaultWarnMinutes);
    for (const std::int32_t minutes : kWarnMinutesChoices) {
        ASSERT_TRUE(WriteWarnMinutes(store, minutes));
        EXPECT_EQ(ReadWarnMinutes(store), minutes);
    }
    ASSERT_TRUE(WriteWarnMinutes(store, 7));
    EXPECT_EQ(ReadWarnMinutes(store), kDefaultWarnMinutes);
}

// The main window's choice shows the stored lead time, stores the user's pick at once and the
// next tick warns with it; a pick that could not be stored still counts for this run.
TEST(EarlyWarningTest, TheLeadTimeChosenInTheWindowIsStoredAndUsedAtOnce) {
    WatchedTask t;
    ASSERT_TRUE(WriteWarnMinutes(t.store, 1));
    t.controller.BindWarningLead(t.store);
    EXPECT_EQ(t.view.warningLead.Value(), 1);
    t.Start(TriggerKind::Daily);  // 21:10:00, under five minutes away
    std::vector<std::wstring> shown;
    t.controller.onEarlyWarning = [&](const std::wstring& text) { shown.push_back(text); };
    t.controller.clockTimer.Tick();
    EXPECT_TRUE(shown.empty());
    t.view.warningLead.Choose(10);
    EXPECT_EQ(ReadWarnMinutes(t.store), 10);
    t.controller.clockTimer.Tick();
    EXPECT_EQ(shown.size(), 1u);

    t.store.failWrites = true;
    t.view.warningLead.Choose(0);
    EXPECT_EQ(ReadWarnMinutes(t.store), 10);
    EXPECT_TRUE(t.Logged(L"warning lead time not stored: Off"));
    t.clock.Advance(DateTime::kMsPerDay);
    t.controller.clockTimer.Tick();
    EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
}  // namespace dusk
