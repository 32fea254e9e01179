// The whole program in real processes, started as the user and the system scheduler start it:
// the recording build (DuskRelayRecording.exe) writes its power calls to power_calls.txt instead
// of making them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/win32/com_apartment.h"
#include "base/win32/system_clock.h"
#include "companion/win32/vimbly_companion.h"
#include "core/win32/instance_block.h"
#include "system/scheduled_job.h"
#include "system/win32/system_task_scheduler.h"
#include "test_process.h"

namespace dusk::win32 {
namespace {

using Process = test::TestProcess;
using test::ThisFolder;
using test::WaitUntil;

constexpr DWORD kStartTimeoutMs = 120000;     // Wine starts a process slowly
constexpr DWORD kCountdownTimeoutMs = 90000;  // a countdown nobody cancels lasts 31 s
constexpr DWORD kCloseTimeoutMs = 20000;      // well inside the countdown's 31 s
constexpr DWORD kSettleMs = 3000;  // for a start-up to end, or an action that must not come

constexpr wchar_t kAppWindowClass[] = L"TolvaneDuskRelayApp";
constexpr wchar_t kMainWindowClass[] = L"TfrmMain";
constexpr wchar_t kCountdownWindowClass[] = L"Tjishi_frm";
constexpr wchar_t kSettingsKey[] = L"Software\\Tolvane\\Dusk Relay";

// The privilege steps, then the call itself.
std::vector<std::string> ExitCalls(const std::string& flags) {
    return {"OpenOwnToken 0x28", "FindPrivilege SeShutdownPrivilege", "AdjustPrivileges 1 0x2",
            "LastErrorCode", "ExitSession " + flags + " 0x0"};
}

std::wstring RecordPath() { return ThisFolder() + L"power_calls.txt"; }

std::vector<std::string> RecordedCalls() {
    std::vector<std::string> lines;
    std::ifstream file(RecordPath().c_str());
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// Waits until the first instance has published its main window to later processes and left
// its start-up, during which it handles sent messages while it reads the scheduler and adds its
// icon; answers the main window, null when the program is not up by the timeout.
HWND WaitForFirstInstance(const Process& first) {
    HWND mainWindow = nullptr;
    const bool published = WaitUntil(
        [&] {
            mainWindow = first.Window(kMainWindowClass);
            return !first.Running() ||
                   (mainWindow != nullptr &&
                    NamedInstanceBlock().MainWindow() == InstanceWindowOf(mainWindow));
        },
        kStartTimeoutMs);
    if (!published || !first.Running()) return nullptr;
    ::Sleep(kSettleMs);
    return mainWindow;
}

Process Start(const std::wstring& arguments) {
    Process started = test::StartProcess(ThisFolder() + L"DuskRelayRecording.exe", arguments);
    EXPECT_TRUE(started.handle) << "cannot start DuskRelayRecording.exe";
    return started;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::FindWindowW(kAppWindowClass, nullptr), nullptr) << "the program already runs";
        os_ = VimblyCompanion().GetOSInfo();
        scheduler_.emplace(os_.osFamily);
        // The scheduler's COM classes need the service.
        ASSERT_TRUE(scheduler_->StartScheduler());
        CleanState();
    }
    void TearDown() override { CleanState(); }

    // No stored task, no job and no recorded call.
    void CleanState() {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSettingsKey);
        scheduler_->DeleteTask(JobName());
        ::DeleteFileW(RecordPath().c_str());
    }

    std::wstring JobName() const { return ScheduledJobName(os_.taskNameSuffix); }

    bool JobRegistered() {
        ScheduledJob job;
        return scheduler_->ReadTask(JobName(), job);
    }

    // Registers the program's job as Start Task does, an hour from now; answers the parameter
    // text the scheduler will start the program with.
    std::wstring RegisterJob(TriggerKind trigger, const std::wstring& actionKeyword) {
        ScheduledTask task;
        task.actionKeyword = actionKeyword;
        task.trigger = trigger;
        task.start = SystemClock().Now().Plus(DateTime::kMsPerHour);
        const ScheduledJob job =
            MakeScheduledJob(task, TaskOwner{ThisFolder(), os_.taskNameSuffix});
        EXPECT_EQ(scheduler_->SaveTask(job), SaveOutcome::Saved);
        return job.parameters;
    }

    // Waits for the visible countdown to close by itself; no power call may be made while it
    // shows, and the processes that handed a start over must wait for it.
    void WaitForCountdownEnd(HWND countdown, std::initializer_list<const Process*> waiting = {}) {
        bool calledEarly = false, waiterEnded = false;
        const bool closed = WaitUntil(
            [&] {
                // Seen before the window is found still showing, so they happened meanwhile.
                const bool called = !RecordedCalls().empty();
                const bool ended = std::any_of(waiting.begin(), waiting.end(),
                                               [](const Process* p) { return !p->Running(); });
                if (!::IsWindowVisible(countdown)) return true;
                calledEarly = calledEarly || called;
                waiterEnded = waiterEnded || ended;
                return false;
            },
            kCountdownTimeoutMs);
        EXPECT_TRUE(closed) << "the countdown did not run out";
        EXPECT_FALSE(calledEarly) << "a power call while the countdown showed";
        EXPECT_FALSE(waiterEnded) << "the handing-off process did not wait for the countdown";
    }

    ComApartment com_;
    OsInfo os_;
    std::optional<SystemTaskScheduler> scheduler_;
};

TEST_F(ProgramTest, SecondStartWithoutArgumentRestoresTheFirstInstance) {
    // A task is set, so a start wrongly taken as the scheduler's would count down.
    RegisterJob(TriggerKind::Daily, L"Shutdown");
    Process first = Start(L"");
    const HWND mainWindow = WaitForFirstInstance(first);
    ASSERT_NE(mainWindow, nullptr) << "the first instance did not start";
    EXPECT_FALSE(::IsWindowVisible(mainWindow))
        << "with a task set it waits in the notification area";

    Process second = Start(L"");
    ASSERT_TRUE(second.WaitForEnd(kStartTimeoutMs));
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(::IsWindowVisible(mainWindow));
    EXPECT_FALSE(::IsIconic(mainWindow));
    ::Sleep(kSettleMs);
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(RecordedCalls().empty());
    EXPECT_TRUE(JobRegistered());
}

TEST_F(ProgramTest, StartsWithArgumentCountDownOnceInTheFirstInstanceAndActOnce) {
    RegisterJob(TriggerKind::Daily, L"Shutdown");
    Process first = Start(L"");
    ASSERT_NE(WaitForFirstInstance(first), nullptr) << "the first instance did not start";
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);

    Process second = Start(L"-Day -Shutdown");
    const HWND countdown = first.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
    ASSERT_NE(countdown, nullptr) << "the first instance shows no countdown";
    EXPECT_EQ(second.Window(kCountdownWindowClass), nullptr);
    // The scheduler starting the program again meanwhile joins the countdown that runs.
    Process third = Start(L"-Day -Shutdown");
    WaitForCountdownEnd(countdown, {&second, &third});

    for (const Process* later : {&second, &third}) {
        ASSERT_TRUE(later->WaitForEnd(kStartTimeoutMs));
        EXPECT_EQ(later->ExitCode(), 0u);
    }
    ::Sleep(kSettleMs);
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_EQ(RecordedCalls(), ExitCalls("0xD"));
    EXPECT_TRUE(JobRegistered()) << "a daily job stays for the next day";
}

TEST_F(ProgramTest, RegisteredOneShotJobCountsDownAtTheFirstShowingActsOnceAndIsDeleted) {
    const std::wstring parameters = RegisterJob(TriggerKind::Specified, L"Logoff");
    ASSERT_EQ(parameters, L"-Specified -Logoff");
    Process program = Start(parameters);
    const HWND countdown = program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
    ASSERT_NE(countdown, nullptr) << "no countdown at the first showing";
    WaitForCountdownEnd(countdown);

    EXPECT_TRUE(WaitUntil([] { return !RecordedCalls().empty(); }, kCloseTimeoutMs));
    ::Sleep(kSettleMs);
    EXPECT_EQ(RecordedCalls(), ExitCalls("0x4"));
    EXPECT_EQ(program.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_FALSE(JobRegistered()) << "the one-shot job is done";

    ASSERT_TRUE(program.Running());
    ::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForEnd(kCloseTimeoutMs));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(ProgramTest, CloseFromOutsideDuringTheCountdownEndsWithoutAction) {
    Process program = Start(RegisterJob(TriggerKind::Specified, L"Shutdown"));
    ASSERT_NE(program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs), nullptr);

    // What a graceful end from outside sends.
    ASSERT_TRUE(::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0));
    ASSERT_TRUE(program.WaitForEnd(kCloseTimeoutMs)) << "the countdown held the program";
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_TRUE(RecordedCalls().empty());
    EXPECT_TRUE(JobRegistered()) << "an interrupted countdown leaves the task for its time";
}

}  // namespace
}  // namespace dusk::win32
