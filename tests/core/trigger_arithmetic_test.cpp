#include "core/trigger_arithmetic.h"

#include <gtest/gtest.h>

#include "fakes/fixed_regions.h"

namespace dusk {
namespace {

using test::FixedRegions;

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

TaskRecord Daily(const RegionalFormats& formats, DateTime dailyTime) {
    TaskRecord task;
    task.trigger = TriggerKind::Daily;
    task.dailyTimeText = formats.FormatLongTime(dailyTime);
    return task;
}

TaskRecord OneShot(TriggerKind kind, std::wstring dueText) {
    TaskRecord task;
    task.trigger = kind;
    task.dueText = std::move(dueText);
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
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        const TaskRecord task = Daily(formats, dailyTime);
        for (const Case& c : cases) {
            EXPECT_EQ(IsTaskDue(task, c.now, formats), c.due)
                << region.name << " " << c.now.TimeOfDayMs();
            EXPECT_EQ(DailySecondsAhead(task.dailyTimeText, c.now, formats), c.secondsAhead)
                << region.name << " " << c.now.TimeOfDayMs();
        }
    }
}

TEST(TriggerArithmeticTest, DailyTimeJustAfterMidnightIsDueBeforeMidnight) {
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        const TaskRecord task = Daily(formats, At(2016, 12, 24, 0, 0, 10));
        EXPECT_FALSE(IsTaskDue(task, At(2016, 12, 24, 23, 59, 39), formats)) << region.name;
        EXPECT_TRUE(IsTaskDue(task, At(2016, 12, 24, 23, 59, 40), formats)) << region.name;
        EXPECT_EQ(DailySecondsAhead(task.dailyTimeText, At(2016, 12, 24, 23, 59, 50), formats), 20)
            << region.name;
        EXPECT_TRUE(IsTaskDue(task, At(2016, 12, 25, 0, 0, 9), formats)) << region.name;
        EXPECT_FALSE(IsTaskDue(task, At(2016, 12, 25, 0, 0, 10), formats)) << region.name;
    }
}

TEST(TriggerArithmeticTest, ScheduledStartActsFromAMinuteBeforeToFiveMinutesAfterTheMoment) {
    const RegionalFormats formats(FixedRegions().front().settings);
    const DateTime moment = At(2016, 12, 25, 0, 0, 30);
    const TaskRecord tasks[] = {
        Daily(formats, moment),
        OneShot(TriggerKind::Specified, formats.FormatDateTime(moment)),
    };
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
            EXPECT_EQ(IsScheduledStartDue(task, moment.Plus(c.offsetMs), formats), due)
                << daily << " " << c.offsetMs;
        }
    }
    EXPECT_FALSE(IsScheduledStartDue(TaskRecord{}, moment, formats));  // no task set
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
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        for (const TriggerKind kind : {TriggerKind::Specified, TriggerKind::FromNow}) {
            // A from-now due text is kept in the default form, a specified one in date-time form.
            const std::wstring text = kind == TriggerKind::FromNow ? formats.FormatDefault(due)
                                                                   : formats.FormatDateTime(due);
            for (const Case& c : cases) {
                EXPECT_EQ(IsTaskDue(OneShot(kind, text), c.now, formats), c.due)
                    << region.name << " " << MillisecondsBetween(c.now, due);
            }
        }
    }
}

TEST(TriggerArithmeticTest, TextsThatDoNotReadBackAreNeverDue) {
    const RegionalFormats us(test::FixedRegionSettings("en-US"));
    const RegionalFormats germany(test::FixedRegionSettings("de-DE"));
    const DateTime now = At(2016, 12, 24, 21, 59, 45);
    // Written under one region, read under another, or edited by hand.
    const std::wstring dailyTexts[] = {germany.FormatLongTime(now.Plus(10'000)).append(L"x"), L"",
                                       L"22 Uhr"};
    for (const std::wstring& text : dailyTexts) {
        TaskRecord task;
        task.trigger = TriggerKind::Daily;
        task.dailyTimeText = text;
        EXPECT_FALSE(IsTaskDue(task, now, us));
        EXPECT_EQ(DailySecondsAhead(text, now, us), kUnreadableDailySeconds);
    }
    const std::wstring dueTexts[] = {germany.FormatDateTime(now.Plus(-3'600'000)), L"",
                                     L"yesterday"};
    for (const std::wstring& text : dueTexts) {
        EXPECT_FALSE(IsTaskDue(OneShot(TriggerKind::Specified, text), now, us));
        EXPECT_FALSE(IsDueStillValid(text, now, us));
    }
    TaskRecord none;
    none.dueText = us.FormatDateTime(now);
    EXPECT_FALSE(IsTaskDue(none, now, us));
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
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        for (const Case& c : cases) {
            EXPECT_EQ(
                IsDueStillValid(formats.FormatDateTime(due), due.Plus(c.nowMinusDueMs), formats),
                c.valid)
                << region.name << " " << c.nowMinusDueMs;
        }
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
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        for (const Case& c : cases) {
            const std::wstring text = FormatDelayedDue(now, c.hours, c.minutes, formats);
            EXPECT_EQ(text, formats.FormatDefault(c.due)) << region.name;
            EXPECT_EQ(formats.ParseDateTime(text), c.due) << region.name;
        }
    }
    // At exactly midnight the default form is the date alone.
    const RegionalFormats us(test::FixedRegionSettings("en-US"));
    EXPECT_EQ(FormatDelayedDue(At(2024, 2, 28, 23, 0, 0, 5), 0, 60, us), L"2/29/2024");
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
