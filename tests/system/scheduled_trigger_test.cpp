#include "system/scheduled_trigger.h"

#include <gtest/gtest.h>

#include "fakes/fixed_regions.h"

namespace dusk {
namespace {

ScheduledJob Job(int y, int mo, int d, int h, int mi, std::wstring kind = L"Day",
                  std::uint32_t daysInterval = 1) {
    ScheduledJob task;
    task.beginYear = static_cast<std::uint16_t>(y);
    task.beginMonth = static_cast<std::uint16_t>(mo);
    task.beginDay = static_cast<std::uint16_t>(d);
    task.startHour = static_cast<std::uint16_t>(h);
    task.startMinute = static_cast<std::uint16_t>(mi);
    task.triggerKind = std::move(kind);
    task.daysInterval = daysInterval;
    return task;
}

TEST(FormatTriggerTime, WritesTheRegionalFormsOfTheJobsStart) {
    struct Case {
        const char* region;
        const wchar_t* dateAndTime;
        const wchar_t* timeOnly;
    };
    const Case cases[] = {
        {"en-US", L"11/5/2016 7:30:00 AM", L"7:30:00 AM"},
        {"de-DE", L"05.11.2016 07:30:00", L"07:30:00"},
        {"ko-KR", L"2016-11-05 오전 7:30:00", L"오전 7:30:00"},
    };
    const ScheduledJob job = Job(2016, 11, 5, 7, 30);
    for (const Case& c : cases) {
        const RegionalFormats formats(test::FixedRegionSettings(c.region));
        EXPECT_EQ(FormatTriggerTime(job, false, formats), c.dateAndTime) << c.region;
        EXPECT_EQ(FormatTriggerTime(job, true, formats), c.timeOnly) << c.region;
    }
}

TEST(FormatTriggerTime, DamagedJobGivesNoText) {
    const RegionalFormats formats(test::FixedRegionSettings("en-US"));
    EXPECT_EQ(FormatTriggerTime(Job(2016, 13, 5, 7, 30), false, formats), L"");
    EXPECT_EQ(FormatTriggerTime(Job(2015, 2, 29, 7, 30), false, formats), L"");
    EXPECT_EQ(FormatTriggerTime(Job(0, 0, 0, 24, 0), true, formats), L"");
    EXPECT_EQ(FormatTriggerTime(Job(0, 0, 0, 23, 59), true, formats), L"11:59:00 PM");
}

TEST(TriggerFieldsFor, DailyOnlyForTheDayKindWord) {
    struct Case {
        const wchar_t* kind;
        std::uint32_t daysInterval;
        TriggerSchedule schedule;
        std::uint16_t unionWord;
    };
    const Case cases[] = {
        {L"Day", 1, TriggerSchedule::Daily, 1},
        {L"dAY", 1, TriggerSchedule::Daily, 1},
        {L"Specified", 1, TriggerSchedule::Once, 1},
        {L"From", 1, TriggerSchedule::Once, 1},
        {L"Days", 1, TriggerSchedule::Once, 1},
        {L"Day", 0x10003, TriggerSchedule::Daily, 3},  // only the low word fits the trigger
    };
    for (const Case& c : cases) {
        const TriggerFields fields =
            TriggerFieldsFor(Job(2016, 11, 5, 22, 15, c.kind, c.daysInterval));
        EXPECT_EQ(fields, (TriggerFields{2016, 11, 5, 22, 15, c.schedule, c.unionWord})) << c.kind;
    }
}

}  // namespace
}  // namespace dusk
