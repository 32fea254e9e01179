#include "system/scheduled_job.h"

#include <gtest/gtest.h>

#include <vector>

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s});
}

const TaskOwner kOwner{L"C:\\Program Files\\Dusk Relay\\", L"tester"};
const ScheduledTask kDailyTask{L"Shutdown", TriggerKind::Daily, At(2016, 11, 5), L"", L""};

TEST(ScheduledJob, MakesTheJobOfEachTrigger) {
    struct Case {
        ScheduledTask task;
        const wchar_t* parameters;
        const wchar_t* kind;
        std::vector<int> begin;  // year, month, day, hour, minute
    };
    const Case cases[] = {
        {{L"Shutdown", TriggerKind::Daily, At(2016, 11, 5, 22, 0, 15), L"", L""},
         L"-Day -Shutdown",
         L"Day",
         {2016, 11, 5, 22, 0}},
        {{L"Logoff", TriggerKind::Specified, At(2017, 3, 4, 18, 45, 30), L"", L""},
         L"-Specified -Logoff",
         L"Specified",
         {2017, 3, 4, 18, 45}},
        {{L"Shutdown", TriggerKind::FromNow, At(2016, 11, 5, 11, 15, 40), L"1", L"0"},
         L"-From -Shutdown -time:1|0",
         L"From",
         {2016, 11, 5, 11, 15}},
        {{L"Hibernate", TriggerKind::FromNow, At(2017, 1, 1, 2, 4, 59), L"2", L"05"},
         L"-From -Hibernate -time:2|05",
         L"From",
         {2017, 1, 1, 2, 4}},
    };
    for (const Case& c : cases) {
        const ScheduledJob job = MakeScheduledJob(c.task, kOwner);
        EXPECT_EQ(job.taskName, L"TolvaneDuskRelaytester");
        EXPECT_EQ(job.application, L"C:\\Program Files\\Dusk Relay\\DuskRelay.exe");
        EXPECT_EQ(job.workingDirectory, L"C:\\Program Files\\Dusk Relay\\");
        EXPECT_EQ(job.account, L"tester");
        EXPECT_EQ(job.comment, L"Tolvane Dusk Relay");
        EXPECT_EQ(job.flags, 0x2001u);
        EXPECT_EQ(job.daysInterval, 1u);
        EXPECT_EQ(job.parameters, c.parameters);
        EXPECT_EQ(job.triggerKind, c.kind);
        EXPECT_EQ((std::vector<int>{job.beginYear, job.beginMonth, job.beginDay, job.startHour,
                                    job.startMinute}),
                  c.begin)
            << job.parameters;
        // What the scheduler gives back stands for the same task, to the minute.
        const ScheduledTask back = TaskOfJob(job);
        EXPECT_EQ(back.trigger, c.task.trigger) << job.parameters;
        EXPECT_EQ(back.actionKeyword, c.task.actionKeyword) << job.parameters;
        EXPECT_EQ(back.start.Milliseconds() / DateTime::kMsPerMinute,
                  c.task.start.Milliseconds() / DateTime::kMsPerMinute)
            << job.parameters;
    }
}

TEST(ScheduledJob, WritesTheQualifiedUserAsTheAccount) {
    const TaskOwner owner{kOwner.programFolder, L"tester", {L"OFFICE\\tester", L"S-1-5-21-7-1001"}};
    EXPECT_EQ(MakeScheduledJob(kDailyTask, owner).account, L"OFFICE\\tester");
}

// Read back, a job of the program's name is trusted only when it starts this program for this
// user: anyone may make a job of that name, and the program acts on what it reads.
TEST(ScheduledJob, TrustsOnlyAJobOfThisProgramForThisUser) {
    const TaskOwner owner{
        L"C:\\Program Files\\Dusk Relay\\", L"tester", {L"OFFICE\\tester", L"S-1-5-21-7-1001"}};
    const std::wstring program = L"C:\\Program Files\\Dusk Relay\\DuskRelay.exe";
    struct Case {
        const char* what;
        std::wstring application;
        std::wstring account;
        bool accountKept;
        bool trusted;
    };
    const Case cases[] = {
        {"as written", program, L"OFFICE\\tester", true, true},
        {"letter case of path and name", L"c:\\program files\\dusk relay\\duskrelay.EXE",
         L"office\\TESTER", true, true},
        {"quoted path, bare user name", L"\"" + program + L"\"", L"tester", true, true},
        {"user as SID", program, L"S-1-5-21-7-1001", true, true},
        {"no account kept by the scheduler", program, L"", false, true},
        {"another program", L"C:\\Users\\Public\\DuskRelay.exe", L"OFFICE\\tester", true, false},
        {"the program's name in another folder", L"C:\\Program Files\\DuskRelay.exe", L"tester",
         true, false},
        {"no program", L"", L"tester", true, false},
        {"another user", program, L"OFFICE\\guest", true, false},
        {"a name that begins like the user's", program, L"OFFICE\\tester2", true, false},
        {"run as the system (empty account)", program, L"", true, false},
        {"another SID", program, L"S-1-5-18", true, false},
    };
    for (const Case& c : cases) {
        ScheduledJob job = MakeScheduledJob(kDailyTask, owner);
        job.application = c.application;
        job.account = c.account;
        job.accountKept = c.accountKept;
        EXPECT_EQ(IsOwnJob(job, owner), c.trusted) << c.what;
    }
    // Without a qualified name, the account the job was written with.
    ScheduledJob job = MakeScheduledJob(kDailyTask, kOwner);
    EXPECT_TRUE(IsOwnJob(job, kOwner));
    job.account = L"someone";
    EXPECT_FALSE(IsOwnJob(job, kOwner));
}

TEST(ScheduledJob, ReadsTheParameterTextCaseSensitively) {
    struct Case {
        const wchar_t* parameters;
        TriggerKind trigger;
        const wchar_t* keyword;
        const wchar_t* hours;
        const wchar_t* minutes;
    };
    const Case cases[] = {
        {L"-Day -Standby", TriggerKind::Daily, L"Standby", L"", L""},
        {L"-Day -Restart", TriggerKind::Daily, L"Restart", L"", L""},
        {L"-From -Logoff -time:2|05", TriggerKind::FromNow, L"Logoff", L"2", L"05"},
        {L"-From -Hibernate -time:|", TriggerKind::FromNow, L"Hibernate", L"", L""},
        {L"-Specified -Shutdown", TriggerKind::Specified, L"Shutdown", L"", L""},
        {L"-day -shutdown", TriggerKind::None, L"", L"", L""},
        {L"-Day -Reboot", TriggerKind::Daily, L"", L"", L""},
        {L"", TriggerKind::None, L"", L"", L""},
    };
    for (const Case& c : cases) {
        ScheduledJob job;
        job.parameters = c.parameters;
        job.beginYear = 2016;
        job.beginMonth = 11;
        job.beginDay = 5;
        const ScheduledTask task = TaskOfJob(job);
        EXPECT_EQ(task.trigger, c.trigger) << c.parameters;
        EXPECT_EQ(task.actionKeyword, c.keyword) << c.parameters;
        EXPECT_EQ(task.delayHoursText, c.hours) << c.parameters;
        EXPECT_EQ(task.delayMinutesText, c.minutes) << c.parameters;
    }
}

}  // namespace
}  // namespace dusk
