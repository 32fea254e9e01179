#include "system/task_definition.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace dusk {
namespace {

ScheduledJob Job(std::wstring kind) {
    ScheduledJob task;
    task.taskName = L"TolvaneDuskRelaytester";
    task.application = L"C:\\Tom & Jerry's <tools>\\DuskRelay.exe";
    task.parameters = L"-From -Shutdown -time:1|0";
    task.workingDirectory = L"C:\\Tom & Jerry's <tools>\\";
    task.account = L"tester";
    task.comment = L"Tolvane Dusk Relay";
    task.beginYear = 2016;
    task.beginMonth = 11;
    task.beginDay = 5;
    task.startHour = 7;
    task.startMinute = 30;
    task.flags = 0x2001;
    task.triggerKind = std::move(kind);
    task.daysInterval = 1;
    return task;
}

TEST(TaskDefinitionXml, DailyJob) {
    EXPECT_EQ(
        TaskDefinitionXml(Job(L"Day")),
        L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
        L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
        L"<RegistrationInfo><Description>Tolvane Dusk Relay</Description></RegistrationInfo>"
        L"<Triggers><CalendarTrigger><StartBoundary>2016-11-05T07:30:00</StartBoundary>"
        L"<Enabled>true</Enabled><ScheduleByDay><DaysInterval>1</DaysInterval></ScheduleByDay>"
        L"</CalendarTrigger></Triggers>"
        L"<Principals><Principal id=\"Author\"><UserId>tester</UserId>"
        L"<LogonType>InteractiveToken</LogonType><RunLevel>HighestAvailable</RunLevel>"
        L"</Principal></Principals>"
        L"<Settings><MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>"
        L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
        L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>"
        L"<ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>"
        L"<Actions Context=\"Author\"><Exec>"
        L"<Command>C:\\Tom &amp; Jerry&apos;s &lt;tools&gt;\\DuskRelay.exe</Command>"
        L"<Arguments>-From -Shutdown -time:1|0</Arguments>"
        L"<WorkingDirectory>C:\\Tom &amp; Jerry&apos;s &lt;tools&gt;\\</WorkingDirectory>"
        L"</Exec></Actions></Task>");
}

TEST(TaskDefinitionXml, OneShotJobsRunOnceAtTheirMoment) {
    for (const wchar_t* kind : {L"Specified", L"From"}) {
        const std::wstring xml = TaskDefinitionXml(Job(kind));
        EXPECT_NE(xml.find(L"<Triggers><TimeTrigger><StartBoundary>2016-11-05T07:30:00"
                           L"</StartBoundary><Enabled>true</Enabled></TimeTrigger></Triggers>"),
                  std::wstring::npos)
            << kind;
        EXPECT_EQ(xml.find(L"DaysInterval"), std::wstring::npos) << kind;
    }
}

RegisteredTaskView AsRegistered(const ScheduledJob& task, RegisteredTrigger trigger) {
    return {task.application,
            task.parameters,
            task.workingDirectory,
            task.comment,
            1,
            trigger,
            L"2016-11-05T07:30:00",
            trigger == RegisteredTrigger::Daily ? 1 : 0};
}

TEST(ReadsBackAsRegistered, EveryDifferenceCounts) {
    struct Case {
        const char* name;
        const wchar_t* kind;
        std::function<void(RegisteredTaskView&)> change;
        bool expected;
    };
    const Case cases[] = {
        {"daily as written", L"Day", [](RegisteredTaskView&) {}, true},
        {"once as written", L"From", [](RegisteredTaskView&) {}, true},
        {"other working directory and description do not count", L"Day",
         [](RegisteredTaskView& v) { v.workingDirectory = v.description = L""; }, true},
        {"no program", L"Day", [](RegisteredTaskView& v) { v.program.clear(); }, false},
        {"other program", L"Day", [](RegisteredTaskView& v) { v.program = L"C:\\x.exe"; }, false},
        {"no arguments", L"From", [](RegisteredTaskView& v) { v.arguments.clear(); }, false},
        {"no trigger", L"Day",
         [](RegisteredTaskView& v) { v = {v.program, v.arguments, {}, {}, 0, {}, {}, 0}; }, false},
        {"two triggers", L"Day", [](RegisteredTaskView& v) { v.triggerCount = 2; }, false},
        {"once for daily", L"Day",
         [](RegisteredTaskView& v) { v.trigger = RegisteredTrigger::Once; }, false},
        {"daily for once", L"Specified",
         [](RegisteredTaskView& v) { v.trigger = RegisteredTrigger::Daily; }, false},
        {"other trigger type", L"Specified",
         [](RegisteredTaskView& v) { v.trigger = RegisteredTrigger::Other; }, false},
        {"other start", L"Day",
         [](RegisteredTaskView& v) { v.startBoundary = L"2016-11-05T07:31:00"; }, false},
        {"start with a time zone", L"From", [](RegisteredTaskView& v) { v.startBoundary += L"Z"; },
         false},
        {"other interval", L"Day", [](RegisteredTaskView& v) { v.daysInterval = 2; }, false},
    };
    for (const Case& c : cases) {
        const ScheduledJob task = Job(c.kind);
        RegisteredTaskView view = AsRegistered(
            task, task.triggerKind == L"Day" ? RegisteredTrigger::Daily : RegisteredTrigger::Once);
        c.change(view);
        EXPECT_EQ(ReadsBackAsRegistered(task, view), c.expected) << c.name;
    }
}

TEST(LogonTaskDefinitionXml, StartsTheProgramElevatedAtTheUsersLogOn) {
    const LogonTask task = MakeLogonTask({L"C:\\Program Files\\Tolvane\\Dusk Relay\\",
                                          L"tester",
                                          {L"OFFICE\\tester", L"S-1-5-21-7"}});
    EXPECT_EQ(task.taskName, L"TolvaneDuskRelaytesterLogon");
    EXPECT_EQ(
        LogonTaskDefinitionXml(task),
        L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
        L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
        L"<RegistrationInfo><Description>Tolvane Dusk Relay</Description></RegistrationInfo>"
        L"<Triggers><LogonTrigger><Enabled>true</Enabled><UserId>OFFICE\\tester</UserId>"
        L"</LogonTrigger></Triggers>"
        L"<Principals><Principal id=\"Author\"><UserId>OFFICE\\tester</UserId>"
        L"<LogonType>InteractiveToken</LogonType><RunLevel>HighestAvailable</RunLevel>"
        L"</Principal></Principals>"
        L"<Settings><MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>"
        L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
        L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>"
        L"<ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>"
        L"<Actions Context=\"Author\"><Exec>"
        L"<Command>C:\\Program Files\\Tolvane\\Dusk Relay\\DuskRelay.exe</Command>"
        L"<WorkingDirectory>C:\\Program Files\\Tolvane\\Dusk Relay\\</WorkingDirectory>"
        L"</Exec></Actions></Task>");
}

TEST(ReadsBackAsRegistered, LogonTaskOnlyAsWritten) {
    const LogonTask task{L"TolvaneDuskRelaytesterLogon", L"C:\\D\\DuskRelay.exe", L"C:\\D\\",
                         L"OFFICE\\tester"};
    const RegisteredTaskView written{
        task.application,  L"", task.workingDirectory, L"", 1, RegisteredTrigger::Logon, L"", 0,
        L"office\\TESTER", true};
    EXPECT_TRUE(ReadsBackAsRegistered(task, written));
    const std::vector<std::pair<const char*, std::function<void(RegisteredTaskView&)>>> changes = {
        {"another program", [](RegisteredTaskView& v) { v.program = L"C:\\E\\DuskRelay.exe"; }},
        {"arguments", [](RegisteredTaskView& v) { v.arguments = L"-Day -Shutdown"; }},
        {"no trigger (Wine's read-back)", [](RegisteredTaskView& v) { v.triggerCount = 0; }},
        {"two triggers", [](RegisteredTaskView& v) { v.triggerCount = 2; }},
        {"a time trigger", [](RegisteredTaskView& v) { v.trigger = RegisteredTrigger::Once; }},
        {"another user", [](RegisteredTaskView& v) { v.userId = L"OFFICE\\guest"; }},
        {"no principal", [](RegisteredTaskView& v) { v.userId.clear(); }},
        {"limited run level", [](RegisteredTaskView& v) { v.highestRunLevel = false; }},
    };
    for (const auto& [what, change] : changes) {
        RegisteredTaskView view = written;
        change(view);
        EXPECT_FALSE(ReadsBackAsRegistered(task, view)) << what;
    }
}

TEST(FillFromRegisteredTask, ReadsProgramAndStartOrNothing) {
    const ScheduledJob written = Job(L"Day");
    ScheduledJob filled = written;  // what a 1.0 read gives, without the name
    filled.taskName = filled.account = filled.triggerKind = L"";
    filled.flags = filled.daysInterval = 0;
    struct Case {
        const char* name;
        std::function<void(RegisteredTaskView&)> change;
        bool expected;
    };
    const Case cases[] = {
        {"as registered", [](RegisteredTaskView&) {}, true},
        {"fraction and zone", [](RegisteredTaskView& v) { v.startBoundary += L".000+01:00"; },
         true},
        {"no program", [](RegisteredTaskView& v) { v.program.clear(); }, false},
        {"no trigger", [](RegisteredTaskView& v) { v.triggerCount = 0; }, false},
        {"date only", [](RegisteredTaskView& v) { v.startBoundary.resize(10); }, false},
        {"blank for T", [](RegisteredTaskView& v) { v.startBoundary[10] = L' '; }, false},
        {"month 13", [](RegisteredTaskView& v) { v.startBoundary = L"2016-13-05T07:30:00"; },
         false},
        {"hour 24", [](RegisteredTaskView& v) { v.startBoundary = L"2016-11-05T24:00:00"; }, false},
        {"not a number", [](RegisteredTaskView& v) { v.startBoundary[1] = L'x'; }, false},
    };
    for (const Case& c : cases) {
        RegisteredTaskView view = AsRegistered(written, RegisteredTrigger::Daily);
        c.change(view);
        ScheduledJob read;
        read.flags = 0x2001;
        const ScheduledJob untouched = read;
        EXPECT_EQ(FillFromRegisteredTask(view, read), c.expected) << c.name;
        EXPECT_EQ(read, c.expected ? filled : untouched) << c.name;
    }
}

}  // namespace
}  // namespace dusk
