// The scheduler against Wine's real Task Scheduler COM classes and "Schedule" service.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "system/program_protection.h"
#include "system/win32/current_user.h"
#include "system/win32/registered_task.h"
#include "system/win32/system_logon_start.h"
#include "system/win32/system_task_scheduler.h"
#include "system/win32/work_item.h"

namespace dusk::win32 {
namespace {

constexpr wchar_t kTaskName[] = L"TolvaneDuskRelaySchedulerTest";

ScheduledJob Job(std::wstring parameters, std::wstring kind) {
    ScheduledJob task;
    task.taskName = kTaskName;
    task.application = L"C:\\Program Files\\Dusk Relay\\DuskRelay.exe";
    task.parameters = std::move(parameters);
    task.workingDirectory = L"C:\\Program Files\\Dusk Relay\\";
    task.account = L"tester";
    task.comment = L"Tolvane Dusk Relay";
    task.beginYear = 2031;
    task.beginMonth = 11;
    task.beginDay = 5;
    task.startHour = 7;
    task.startMinute = 30;
    task.flags = 0x2001;
    task.triggerKind = std::move(kind);
    task.daysInterval = 1;
    return task;
}

// A read gives back all but the trigger kind and interval, and the flags; the account where the
// scheduler keeps one.
void ExpectReadsBack(TaskScheduler& scheduler, const ScheduledJob& saved) {
    ScheduledJob read;
    ASSERT_TRUE(scheduler.ReadTask(saved.taskName, read));
    EXPECT_EQ(read.flags & saved.flags, saved.flags);
    ::testing::Test::RecordProperty("account kept", read.accountKept ? "yes" : "no");
    if (!read.accountKept) {
        EXPECT_EQ(read.account, L"");
        read.account = saved.account;
        read.accountKept = true;
    }
    read.triggerKind = saved.triggerKind;
    read.daysInterval = saved.daysInterval;
    read.flags = saved.flags;
    EXPECT_EQ(read, saved);
}

void ExpectGone(TaskScheduler& scheduler) {
    ScheduledJob read;
    read.taskName = L"stale";
    EXPECT_FALSE(scheduler.ReadTask(kTaskName, read));
    EXPECT_EQ(read.taskName, L"");
    EXPECT_FALSE(scheduler.DeleteTask(kTaskName));
}

class TaskSchedulerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        // The COM classes need the service.
        ASSERT_TRUE(SystemTaskScheduler(L"xp").StartScheduler());
        SystemTaskScheduler(L"windows7").DeleteTask(kTaskName);
    }
    void TearDown() override {
        SystemTaskScheduler(L"windows7").DeleteTask(kTaskName);
        ::CoUninitialize();
    }
};

TEST_F(TaskSchedulerTest, ServiceRunsAndIsSetToStartAutomatically) {
    SystemTaskScheduler scheduler(L"windows7");
    EXPECT_TRUE(scheduler.IsSchedulerRunning());
    EXPECT_TRUE(scheduler.StartScheduler());  // already running
    std::uint32_t startType = 0;
    ASSERT_TRUE(scheduler.QueryServiceStartType(kSchedulerServiceName, startType));
    RecordProperty("start type before", static_cast<int>(startType));
    ASSERT_TRUE(scheduler.SetServiceStartType(kSchedulerServiceName, kServiceAutoStart));
    ASSERT_TRUE(scheduler.QueryServiceStartType(kSchedulerServiceName, startType));
    EXPECT_EQ(startType, kServiceAutoStart);
    EXPECT_FALSE(scheduler.QueryServiceStartType(L"NoSuchServiceHere", startType));
    EXPECT_FALSE(scheduler.SetServiceStartType(L"NoSuchServiceHere", kServiceAutoStart));
}

TEST_F(TaskSchedulerTest, NeitherFamilyHasAScheduler) {
    SystemTaskScheduler scheduler(L"95");
    EXPECT_FALSE(scheduler.IsSchedulerRunning());
    EXPECT_FALSE(scheduler.StartScheduler());
}

TEST_F(TaskSchedulerTest, WorkItemIsSavedReadBackReplacedAndDeleted) {
    SystemTaskScheduler scheduler(L"xp");
    ASSERT_EQ(scheduler.SaveTask(Job(L"-Day -Shutdown", L"Day")), SaveOutcome::Saved);
    ExpectReadsBack(scheduler, Job(L"-Day -Shutdown", L"Day"));
    const ScheduledJob replacement = Job(L"-From -Hibernate -time:1|0", L"From");
    ASSERT_EQ(scheduler.SaveTask(replacement), SaveOutcome::Saved);
    ExpectReadsBack(scheduler, replacement);
    EXPECT_TRUE(scheduler.DeleteTask(kTaskName));
    ExpectGone(scheduler);
}

TEST_F(TaskSchedulerTest, VistaAndLaterKeepOnlyAJobThatRunsAsWritten) {
    SystemTaskScheduler scheduler(L"windows7");
    const ScheduledJob job = Job(L"-Specified -Logoff", L"Specified");
    ASSERT_EQ(scheduler.SaveTask(job), SaveOutcome::Saved);
    // Either 2.0 holds the job as written, or 1.0 holds it and 2.0 nothing (Wine's 2.0 reads
    // jobs back without their program and triggers).
    const std::optional<RegisteredTaskView> registered = ReadRegisteredTask(kTaskName);
    const bool through20 = registered && ReadsBackAsRegistered(job, *registered);
    RecordProperty("registered through", through20 ? "Task Scheduler 2.0" : "Task Scheduler 1.0");
    if (!through20) {
        EXPECT_FALSE(registered.has_value()) << "2.0 kept a job that does not run as written";
        ScheduledJob item;
        EXPECT_TRUE(ReadWorkItem(kTaskName, item, true));
    }
    ExpectReadsBack(scheduler, job);
    EXPECT_TRUE(scheduler.DeleteTask(kTaskName));
    ExpectGone(scheduler);
}

struct FixedProgramFiles : ProgramFilesSecurity {
    bool isProtected = true;
    std::vector<FileSecurity> Read() override {
        FileSecurity folder{L"C:\\D", true, Trustee::Administrators, true, {}};
        if (!isProtected) folder.owner = Trustee::Other;
        return {folder};
    }
};

// Where 2.0 keeps the log-on task as written it stays; otherwise (Wine reads tasks back without
// their triggers) nothing of it is left, and the answer says so. Before Vista there is none, and
// an unprotected program asks for none.
TEST_F(TaskSchedulerTest, LogonStartIsKeptOnlyAsWritten) {
    FixedProgramFiles files;
    ElevatedStartGuard guard(
        files, [](const std::wstring&) {}, nullptr);
    const TaskOwner owner{L"C:\\Program Files\\Dusk Relay\\", L"tester", CurrentUserAccount()};
    const std::wstring name = MakeLogonTask(owner).taskName;
    ASSERT_EQ(name, L"TolvaneDuskRelaytesterLogon");

    SystemLogonStart start(L"windows7", owner, guard);
    const LogonStartOutcome outcome = start.Register();
    const std::optional<RegisteredTaskView> kept = ReadRegisteredTask(name);
    RecordProperty("log-on task", outcome == LogonStartOutcome::Registered ? "kept" : "not kept");
    if (outcome == LogonStartOutcome::Registered) {
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(kept->trigger, RegisteredTrigger::Logon);
    } else {
        EXPECT_EQ(outcome, LogonStartOutcome::NotKept);
        EXPECT_FALSE(kept.has_value()) << "a log-on task that does not run as written was left";
    }
    start.Remove();
    EXPECT_FALSE(ReadRegisteredTask(name).has_value());

    EXPECT_EQ(SystemLogonStart(L"xp", owner, guard).Register(), LogonStartOutcome::NotAvailable);
    files.isProtected = false;
    EXPECT_EQ(start.Register(), LogonStartOutcome::Refused);
    EXPECT_FALSE(ReadRegisteredTask(name).has_value());
}

}  // namespace
}  // namespace dusk::win32
