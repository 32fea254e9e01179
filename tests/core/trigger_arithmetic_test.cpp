#include "core/trigger_arithmetic.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

TaskRecord Daily(DateTime dailyTime) {
    TaskRecord task;
    task.trigger = TriggerKind::Daily;
    task.dailyTime = TimeOfDay::Of(dailyTime);
    return task;
}

TaskRecord OneShot(TriggerKind kind, DateTime due) {
    TaskRecord task;
    task.trigger = kind;
    task.due = due;
    return task;
}

TEST(TriggerArithmeticTest, DailyTaskIsDueOnlyInTheThirtySecondsBeforeItsTime) {
    const DateTime dailyTime = At(2016, 12, 24, 22, 0, 0);
    struct Case {
        DateTime now;
        bool due;
        int secondsAhead;
    };
    const Case cases[] = {
        {At(2016, 12, 24, 22, 0, 0), false, 0},       // the same second: next day
        {At(2016, 12, 24, 22, 0, 0, 999), false, 0},  // milliseconds do not count
        {At(2016, 12, 24, 21, 59, 59, 500), true, 1},
        {At(2016, 12, 24, 21, 59, 30), true, 30},
        {At(2016, 12, 24, 21, 59, 30, 999), true, 30},
        {At(2016, 12, 24, 21, 59, 29, 999), false, 31},
        {At(2016, 12, 24, 21, 59, 0), false, 60},
        {At(2016, 12, 24, 22, 0, 1), false, 86399},  // just past: a day away
        {At(2016, 12, 25, 21, 59, 45), true, 15},    // any day
        {At(2016, 12, 24, 0, 0, 0), false, 79200},
    };
    const TaskRecord task = Daily(dailyTime);
    for (const Case& c : cases) {
        EXPECT_EQ(IsTaskDue(task, c.now), c.due) << c.now.TimeOfDayMs();
        EXPECT_EQ(DailySecondsAhead(task.dailyTime, c.now), c.secondsAhead) << c.now.TimeOfDayMs();
    }
}

TEST(TriggerArithmeticTest, DailyTimeJustAfterMidnightIsDueBeforeMidnight) {
    const TaskRecord task = Daily(At(2016, 12, 24, 0, 0, 10));
    EXPECT_FALSE(IsTaskDue(task, At(2016, 12, 24, 23, 59, 39)));
    EXPECT_TRUE(IsTaskDue(task, At(2016, 12, 24, 23, 59, 40)));
    EXPECT_EQ(DailySecondsAhead(task.dailyTime, At(2016, 12, 24, 23, 59, 50)), 20);
    EXPECT_TRUE(IsTaskDue(task, At(2016, 12, 25, 0, 0, 9)));
    EXPECT_FALSE(IsTaskDue(task, At(2016, 12, 25, 0, 0, 10)));
}

TEST(TriggerArithmeticTest, ScheduledStartActsFromAMinuteBeforeToFiveMinutesAfterTheMoment) {
    const DateTime moment = At(2016, 12, 25, 0, 0, 30);
    const TaskRecord tasks[] = {Daily(moment), OneShot(TriggerKind::Specified, moment)};
    const struct {
        std::int64_t offsetMs;  // of the start from the moment
        bool due;
    } cases[] = {
        {-60'001, false},
        {-60'000, true},
        {0, true},
        {300'000, true},
        {300'001, false},
        {-3'600'000, false},
        {DateTime::kMsPerDay, false},
    };
    for (const TaskRecord& task : tasks) {
        for (const auto& c : cases) {
            const bool daily = task.trigger == TriggerKind::Daily;
            // A day later is the next day's moment for a daily task.
            const bool due = c.due || (daily && c.offsetMs == DateTime::kMsPerDay);
            EXPECT_EQ(IsScheduledStartDue(task, moment.Plus(c.offsetMs)), due)
                << daily << " " << c.offsetMs;
        }
    }
    EXPECT_FALSE(IsScheduledStartDue(TaskRecord{}, moment));  // no task set
}

TEST(TriggerArithmeticTest, OneShotTaskIsDueFromThirtySecondsBeforeOnHoweverLate) {
    const DateTime due = At(2016, 12, 31, 23, 59, 59);
    struct Case {
        DateTime now;
        bool due;
    };
    const Case cases[] = {
        {due.Plus(-30'001), false},
        {due.Plus(-30'000), true},
        {due.Plus(-1), true},
        {due, true},
        {due.Plus(3'600'000), true},  // an hour late
        {due.Plus(400 * DateTime::kMsPerDay), true},
        {due.Plus(-DateTime::kMsPerDay), false},  // same time of day, day before
    };
    for (const TriggerKind kind : {TriggerKind::Specified, TriggerKind::FromNow}) {
        for (const Case& c : cases) {
            EXPECT_EQ(IsTaskDue(OneShot(kind, due), c.now), c.due)
                << MillisecondsBetween(c.now, due);
        }
    }
    TaskRecord none;
    none.due = due;
    EXPECT_FALSE(IsTaskDue(none, due));
}

TEST(TriggerArithmeticTest, RestoredOneShotTaskIsValidUntilAMinutePast) {
    const DateTime due = At(2024, 2, 29, 12, 0, 0);
    struct Case {
        std::int64_t nowMinusDueMs;
        bool valid;
    };
    const Case cases[] = {
        {-DateTime::kMsPerDay, true},
        {-60'000, true},
        {-1, true},
        {0, false},
        {1, true},
        {59'000, true},
        {59'999, true},
        {60'000, false},
        {60'001, false},
        {3'600'000, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsDueStillValid(due, due.Plus(c.nowMinusDueMs)), c.valid) << c.nowMinusDueMs;
    }
}

TEST(TriggerArithmeticTest, DelayedDueAddsHoursThenMinutesAndKeepsTheSeconds) {
    const DateTime now = At(2016, 12, 31, 23, 15, 42, 640);
    struct Case {
        int hours, minutes;
        DateTime due;
    };
    const Case cases[] = {
        {0, 60, At(2017, 1, 1, 0, 15, 42)},     {100, 60, At(2017, 1, 5, 4, 15, 42)},
        {1, 0, At(2017, 1, 1, 0, 15, 42)},      {0, 0, At(2016, 12, 31, 23, 15, 42)},
        {-5, -1, At(2016, 12, 31, 23, 15, 42)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DelayedDue(now, c.hours, c.minutes).WholeSecond(), c.due) << c.hours;
    }
}

TEST(TriggerArithmeticTest, DelayFieldValueReadsOnlyPlainNumbers) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {
        {L"0", 0},          {L"1", 1},  {L"100", 100},
        {L"060", 60},       {L"", 0},   {L"-3", 0},
        {L" 5", 0},         {L"5a", 0}, {L"123456789", 123456789},
        {L"9999999999", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DelayFieldValue(c.text), c.value) << c.value;
}

}  // namespace
}  // namespace dusk
