#include "system/scheduled_task_builder.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fixed_regions.h"

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

const TaskOwner kOwner{L"C:\\Program Files\\Dusk Relay\\", L"tester"};

// The fields every accepted job shares.
ScheduledTask ExpectedJob(std::wstring parameters, std::wstring kind, int y, int mo, int d, int h,
                          int mi) {
    ScheduledTask task;
    task.taskName = L"TolvaneDuskRelaytester";
    task.application = L"C:\\Program Files\\Dusk Relay\\DuskRelay.exe";
    task.parameters = std::move(parameters);
    task.workingDirectory = L"C:\\Program Files\\Dusk Relay\\";
    task.account = L"tester";
    task.comment = L"Tolvane Dusk Relay";
    task.beginYear = static_cast<std::uint16_t>(y);
    task.beginMonth = static_cast<std::uint16_t>(mo);
    task.beginDay = static_cast<std::uint16_t>(d);
    task.startHour = static_cast<std::uint16_t>(h);
    task.startMinute = static_cast<std::uint16_t>(mi);
    task.flags = 0x2001;
    task.triggerKind = std::move(kind);
    task.daysInterval = 1;
    return task;
}

TriggerChoice Daily(DateTime time) { return {TriggerKind::Daily, time, {}, {}, {}, {}}; }
TriggerChoice Specified(DateTime date, DateTime time) {
    return {TriggerKind::Specified, {}, date, time, {}, {}};
}
TriggerChoice FromNow(std::wstring hours, std::wstring minutes) {
    return {TriggerKind::FromNow, {}, {}, {}, std::move(hours), std::move(minutes)};
}

TEST(BuildScheduledTask, MakesTheJobOfEachTrigger) {
    struct Case {
        const char* name;
        TriggerChoice choice;
        const wchar_t* keyword;
        DateTime now;
        ScheduledTask expected;
        const wchar_t* dailyTimeText;
        const wchar_t* dueText;
    };
    const Case cases[] = {
        {"daily time already past today still begins today", Daily(At(2000, 1, 1, 22, 0, 15)),
         L"Shutdown", At(2016, 11, 5, 23, 0),
         ExpectedJob(L"-Day -Shutdown", L"Day", 2016, 11, 5, 22, 0), L"10:00:15 PM", L""},
        {"daily time later today", Daily(At(1999, 12, 31, 7, 30)), L"Standby",
         At(2016, 12, 31, 6, 59, 59), ExpectedJob(L"-Day -Standby", L"Day", 2016, 12, 31, 7, 30),
         L"7:30:00 AM", L""},
        {"from now one hour", FromNow(L"1", L"0"), L"Shutdown", At(2016, 11, 5, 10, 15, 40),
         ExpectedJob(L"-From -Shutdown -time:1|0", L"From", 2016, 11, 5, 11, 15), L"",
         L"11/5/2016 11:15:40 AM"},
        {"from now across midnight and a year", FromNow(L"2", L"05"), L"Logoff",
         At(2016, 12, 31, 23, 59, 59, 999),
         ExpectedJob(L"-From -Logoff -time:2|05", L"From", 2017, 1, 1, 2, 4), L"",
         L"1/1/2017 2:04:59 AM"},
        {"from now minutes only", FromNow(L"0", L"90"), L"Hibernate", At(2016, 2, 28, 23, 0),
         ExpectedJob(L"-From -Hibernate -time:0|90", L"From", 2016, 2, 29, 0, 30), L"",
         L"2/29/2016 12:30:00 AM"},
        {"specified takes the date of one picker and the time of the other",
         Specified(At(2017, 3, 4, 1, 2, 3), At(2000, 1, 1, 18, 45, 30)), L"Logoff",
         At(2017, 3, 4, 18, 45, 29),
         ExpectedJob(L"-Specified -Logoff", L"Specified", 2017, 3, 4, 18, 45), L"",
         L"3/4/2017 6:45:30 PM"},
    };
    const RegionalFormats formats(test::FixedRegionSettings("en-US"));
    const MessageCatalogue catalogue;
    for (const Case& c : cases) {
        const TaskBuild build =
            BuildScheduledTask(c.choice, c.keyword, c.now, formats, kOwner, catalogue);
        EXPECT_TRUE(build.Accepted()) << c.name;
        EXPECT_EQ(build.task, c.expected) << c.name;
        EXPECT_EQ(build.warning, L"") << c.name;
        EXPECT_EQ(build.dailyTimeText, c.dailyTimeText) << c.name;
        EXPECT_EQ(build.dueText, c.dueText) << c.name;
    }
}

TEST(BuildScheduledTask, RejectsWhatNamesNoMomentAhead) {
    const DateTime now = At(2016, 11, 5, 10, 15, 40, 500);
    struct Case {
        const char* name;
        TriggerChoice choice;
        TaskRejection rejection;
        std::wstring warning;
    };
    const Case cases[] = {
        {"specified now", Specified(now, At(2000, 1, 1, 10, 15, 40)), TaskRejection::NotInFuture,
         L"Please select a time after 11/5/2016 10:15:40 AM."},
        {"specified yesterday", Specified(At(2016, 11, 4), At(2000, 1, 1, 23, 0)),
         TaskRejection::NotInFuture, L"Please select a time after 11/5/2016 10:15:40 AM."},
        {"zero delay", FromNow(L"0", L"0"), TaskRejection::ZeroDelay, L"Please set the time."},
        {"no trigger box checked", TriggerChoice{}, TaskRejection::NoTrigger, L""},
    };
    const RegionalFormats formats(test::FixedRegionSettings("en-US"));
    const MessageCatalogue catalogue;
    for (const Case& c : cases) {
        const TaskBuild build =
            BuildScheduledTask(c.choice, L"Shutdown", now, formats, kOwner, catalogue);
        EXPECT_FALSE(build.Accepted()) << c.name;
        EXPECT_EQ(build.rejection, c.rejection) << c.name;
        EXPECT_EQ(build.warning, c.warning) << c.name;
        EXPECT_EQ(build.task, ScheduledTask{}) << c.name;
    }
}

TEST(BuildScheduledTask, BeginDatesAreExactInEveryRegion) {
    // Taken from the moment itself, not from a regional text read back, so a region with a
    // two-digit year cannot move a job into another century.
    std::vector<test::FixedRegion> regions = test::FixedRegions();
    RegionalSettings twoDigitYear = test::FixedRegionSettings("en-GB");
    twoDigitYear.shortDatePattern = L"dd/MM/yy";
    regions.push_back({"two-digit year", twoDigitYear});
    const DateTime now = At(2061, 1, 2, 23, 30);
    for (const auto& region : regions) {
        const RegionalFormats formats(region.settings);
        const TaskBuild build = BuildScheduledTask(FromNow(L"1", L"0"), L"Shutdown", now, formats,
                                                   kOwner, MessageCatalogue());
        const ScheduledTask& task = build.task;
        EXPECT_EQ((std::vector<int>{task.beginYear, task.beginMonth, task.beginDay, task.startHour,
                                    task.startMinute}),
                  (std::vector<int>{2061, 1, 3, 0, 30}))
            << region.name;
    }
}

}  // namespace
}  // namespace dusk
