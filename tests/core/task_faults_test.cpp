// Faults that once let a task shown as set miss its moment, act twice or act after a cancel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/stored_settings.h"
#include "task_fixture.h"

namespace dusk {
namespace {

using test::At;

class Faults : public test::TaskFixture {
public:
    Faults() { controller.OnFirstShow(); }

    void Start(std::function<void()> choose) {
        choose();
        companion.answers = {kAnswerYes};
        controller.OnStartTaskClick();
    }
    void ChooseSpecified(DateTime moment) {
        controller.OnSpecifiedClick();
        view.controls.specifiedDatePicker.SetValue(moment);
        view.controls.specifiedTimePicker.SetValue(moment);
    }
    void ChooseFromNow(const wchar_t* hours, const wchar_t* minutes) {
        controller.OnFromNowClick();
        view.controls.delayHoursField.SetText(hours);
        view.controls.delayMinutesField.SetText(minutes);
    }
    // Ticks the watch timer at its own pace until `until`; each countdown is cancelled after
    // three seconds and its start noted.
    std::vector<DateTime> WatchUntil(DateTime until) {
        std::vector<DateTime> starts;
        countdown.whileRunning = [&] {
            starts.push_back(clock.Now());
            countdown.outcomes.push_back(CountdownOutcome::Cancelled);
            clock.Advance(3000);
        };
        while (controller.watchTimer.Enabled() && clock.Now() < until) {
            clock.Advance(controller.watchTimer.Interval());
            controller.watchTimer.Tick();
        }
        return starts;
    }
    std::wstring LastBox() const {
        return companion.boxes.empty() ? L"" : companion.boxes.back().text;
    }
};

TEST(TaskFaults, RegisteredMomentIsNeverBeforeTheMomentOfSaving) {
    struct Case {
        const char* name;
        std::int64_t promptMs;
        std::function<void(Faults&)> choose;
        DateTime registered;  // or the default when the task must stay inside the program
        std::wstring lastBox;
    };
    const Case cases[] = {
        // The delay counts from the answer to the last prompt, up to the scheduler's minute.
        {"from now after slow prompts", 90000, [](Faults& f) { f.ChooseFromNow(L"0", L"1"); },
         At(2016, 12, 24, 21, 8, 0), L""},
        {"from now at once", 0, [](Faults& f) { f.ChooseFromNow(L"0", L"1"); },
         At(2016, 12, 24, 21, 7, 0), L""},
        {"specified within the current minute", 0,
         [](Faults& f) { f.ChooseSpecified(At(2016, 12, 24, 21, 5, 40)); }, DateTime(), L""},
        {"specified passed during the prompts", 60000,
         [](Faults& f) { f.ChooseSpecified(At(2016, 12, 24, 21, 5, 40)); }, DateTime(),
         L"Please select a time after 12/24/2016 9:06:09 PM."},
        {"specified next minute", 0,
         [](Faults& f) { f.ChooseSpecified(At(2016, 12, 24, 21, 6, 0)); },
         At(2016, 12, 24, 21, 6, 0), L""},
    };
    for (const Case& c : cases) {
        auto f = std::make_unique<Faults>();
        f->registration.answer = RegistrationResult::Registered;
        f->registration.duringPrompts = [&f, &c] { f->clock.Advance(c.promptMs); };
        f->Start([&] { c.choose(*f); });
        const bool registered = c.registered != DateTime();
        ASSERT_EQ(f->registration.registered.has_value(), registered) << c.name;
        if (registered) {
            EXPECT_EQ(f->registration.registered->start, c.registered) << c.name;
        } else if (c.lastBox.empty()) {
            // Kept to the second inside the program instead, and counted down there.
            EXPECT_EQ(f->task.status, TaskStatus::Set) << c.name;
            EXPECT_EQ(f->WatchUntil(At(2016, 12, 24, 21, 7, 0)).size(), 1u) << c.name;
        } else {
            EXPECT_EQ(f->LastBox(), c.lastBox) << c.name;
            EXPECT_EQ(f->task.status, TaskStatus::None) << c.name;
        }
    }
}

TEST(TaskFaults, EveryDailyTimeGetsOneCountdownADay) {
    const int times[][3] = {{0, 0, 0},    {0, 0, 1},  {0, 0, 30}, {0, 0, 59}, {0, 1, 0},
                            {23, 59, 59}, {12, 0, 0}, {21, 5, 9}, {21, 5, 10}};
    for (const auto& t : times) {
        auto f = std::make_unique<Faults>();
        f->Start([&] {
            f->controller.OnDailyClick();
            f->view.controls.dailyTimePicker.SetValue(At(2016, 12, 24, t[0], t[1], t[2]));
        });
        const auto starts = f->WatchUntil(At(2016, 12, 27, 12, 0, 0));
        const std::string name =
            std::to_string(t[0]) + ":" + std::to_string(t[1]) + ":" + std::to_string(t[2]);
        // From Christmas Eve 21:05:09 to noon on the 27th: 2 or 3 moments, each counted down once,
        // 30 seconds before it.
        std::vector<DateTime> expected;
        for (DateTime day = At(2016, 12, 24); day <= At(2016, 12, 28);
             day = day.Plus(DateTime::kMsPerDay)) {
            const DateTime moment =
                day.Plus(((t[0] * 60 + t[1]) * 60 + t[2]) * DateTime::kMsPerSecond);
            if (moment > At(2016, 12, 24, 21, 5, 39) &&
                moment.Plus(-30000) < At(2016, 12, 27, 12, 0, 0)) {
                expected.push_back(moment.Plus(-30000));
            }
        }
        ASSERT_EQ(starts.size(), expected.size()) << name;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            EXPECT_LT(MillisecondsBetween(starts[i], expected[i]), 1000) << name;
            EXPECT_GE(MillisecondsBetween(starts[i], expected[i]), 0) << name;
        }
    }
}

TEST(TaskFaults, FailedDeleteKeepsTheTaskSetAndCancelCanBeTriedAgain) {
    Faults f;
    f.registration.answer = RegistrationResult::Registered;
    f.Start([&] { f.ChooseFromNow(L"2", L"0"); });
    const std::string set = f.Describe();
    f.registration.deleteFails = true;
    f.companion.answers = {kAnswerYes};
    f.controller.OnCancelTaskClick();
    EXPECT_EQ(f.LastBox(), L"Error: The task could not be canceled. Please try again.");
    EXPECT_EQ(f.companion.boxes.back().style, kMbWarning);
    EXPECT_EQ(f.Describe(), set);
    EXPECT_EQ(f.task.status, TaskStatus::Set);
    EXPECT_EQ(f.view.indicator.IconIndex(), kIndicatorTaskSet);

    f.registration.deleteFails = false;
    f.companion.answers = {kAnswerYes};
    f.controller.OnCancelTaskClick();
    EXPECT_EQ(f.Describe(), test::kNoTaskView);
    EXPECT_FALSE(f.registration.registered);
    EXPECT_EQ(f.task.status, TaskStatus::Ended);
}

TEST(TaskFaults, StaleJobNeverActsBesideALocalTask) {
    // A job of an earlier run is still registered while the scheduler is unavailable now.
    const ScheduledTask stale{L"Shutdown", TriggerKind::Daily, At(2016, 12, 24, 22, 0, 0), L"",
                              L""};
    for (const bool deleteFails : {false, true}) {
        auto f = std::make_unique<Faults>();
        f->registration.registered = stale;
        f->registration.deleteFails = deleteFails;
        f->Start([&] { f->ChooseFromNow(L"3", L"0"); });
        EXPECT_EQ(f->registration.registered.has_value(), deleteFails);
        EXPECT_EQ(f->task.status, deleteFails ? TaskStatus::None : TaskStatus::Set);
        if (deleteFails) {
            EXPECT_EQ(f->LastBox(), L"Error: The task could not be saved. Please try again.");
            EXPECT_TRUE(f->StoredNames().empty());
        }
    }
    // A scheduled start for a moment no set task has performs nothing.
    Faults f;
    f.Start([&] { f.ChooseFromNow(L"3", L"0"); });
    f.clock.Set(At(2016, 12, 24, 22, 0, 0));
    int done = 0;
    f.controller.OnScheduledStart([&done] { ++done; });
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(f.countdown.runs.empty());
    EXPECT_EQ(f.task.status, TaskStatus::Set);
}

}  // namespace
}  // namespace dusk
