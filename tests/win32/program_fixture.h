// The whole program in real processes, started as the user and the system scheduler start it:
// the recording build (DuskRelayRecording.exe) writes its power calls to power_calls.txt instead
// of making them.
#pragma once
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
#include "base/win32/unique_handle.h"
#include "companion/win32/vimbly_companion.h"
#include "core/regional_formats.h"
#include "core/win32/instance_block.h"
#include "core/win32/regional_settings_reader.h"
#include "system/scheduled_job.h"
#include "system/win32/current_user.h"
#include "system/win32/system_task_scheduler.h"
#include "test_process.h"

namespace dusk::win32::program_test {

using Process = test::TestProcess;
using test::ThisFolder;
using test::WaitUntil;

constexpr DWORD kStartTimeoutMs = 120000;     // Wine starts a process slowly
constexpr DWORD kCountdownTimeoutMs = 90000;  // a countdown nobody cancels lasts 31 s
constexpr DWORD kCloseTimeoutMs = 20000;      // well inside the countdown's 31 s
constexpr DWORD kSettleMs = 3000;  // for a start-up to end, or an action that must not come
// A one-shot job for half a minute from now: its minute has come, or comes within the minute,
// so a scheduled start finds the task due now.
constexpr std::int64_t kDueNowMs = 30 * DateTime::kMsPerSecond;
// A daily job whose minute began half a minute or more ago: a scheduled start finds today's
// moment due, and the system's scheduler has no run of its own to make until tomorrow.
constexpr std::int64_t kJustDueMs = -30 * DateTime::kMsPerSecond;

constexpr wchar_t kAppWindowClass[] = L"TolvaneDuskRelayApp";
constexpr wchar_t kMainWindowClass[] = L"TfrmMain";
constexpr wchar_t kCountdownWindowClass[] = L"Tjishi_frm";
constexpr wchar_t kSettingsKey[] = L"Software\\Tolvane\\Dusk Relay";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Tolvane Dusk Relay";

// The privilege steps, then the call itself.
inline std::vector<std::string> ExitCalls(const std::string& flags) {
    return {"OpenOwnToken 0x28", "FindPrivilege SeShutdownPrivilege", "AdjustPrivileges 1 0x2",
            "LastErrorCode", "ExitSession " + flags + " 0x0"};
}

inline std::wstring RecordPath() { return ThisFolder() + L"power_calls.txt"; }

inline std::vector<std::string> RecordedCalls() {
    std::vector<std::string> lines;
    std::ifstream file(RecordPath().c_str());
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// Waits until the first instance has published its main window to later processes and left
// its start-up, during which it handles sent messages while it reads the scheduler and adds its
// icon; answers the main window, null when the program is not up by the timeout.
inline HWND WaitForFirstInstance(const Process& first) {
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

inline Process Start(const std::wstring& arguments) {
    Process started = test::StartProcess(ThisFolder() + L"DuskRelayRecording.exe", arguments);
    EXPECT_TRUE(started.handle) << "cannot start DuskRelayRecording.exe";
    return started;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::FindWindowW(kAppWindowClass, nullptr), nullptr) << "the program already runs";
        os_ = VimblyCompanion().ReadOsInfo();
        scheduler_.emplace(os_.osFamily);
        // The scheduler's COM classes need the service.
        ASSERT_TRUE(scheduler_->StartScheduler());
        CleanState();
    }
    void TearDown() override { CleanState(); }

    // No stored task, no job and no recorded call.
    void CleanState() {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSettingsKey);
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
        scheduler_->DeleteTask(JobName());
        ::DeleteFileW(RecordPath().c_str());
    }

    std::wstring JobName() const { return ScheduledJobName(os_.taskNameSuffix); }

    bool JobRegistered() {
        ScheduledJob job;
        return scheduler_->ReadTask(JobName(), job);
    }

    // Registers the program's job as Start Task does, by default an hour from now; answers the
    // parameter text the scheduler will start the program with.
    std::wstring RegisterJob(TriggerKind trigger, const std::wstring& actionKeyword,
                             std::int64_t fromNowMs = DateTime::kMsPerHour) {
        ScheduledTask task;
        task.actionKeyword = actionKeyword;
        task.trigger = trigger;
        task.start = SystemClock().Now().Plus(fromNowMs);
        const ScheduledJob job = MakeScheduledJob(
            task, TaskOwner{ThisFolder(), os_.taskNameSuffix, CurrentUserAccount()});
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

}  // namespace dusk::win32::program_test
