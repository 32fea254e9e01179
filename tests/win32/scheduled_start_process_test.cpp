// The system scheduler's starts in real processes: each of its processes ends with its
// countdown, whether it counted down itself or handed the start over, and no start is lost to a
// first instance still starting or to a block that another program made.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win32/object_security.h"
#include "program_fixture.h"

namespace dusk::win32::program_test {
namespace {

// How long a scheduler's process may outlive its countdown and action.
constexpr DWORD kOutliveMs = 5000;

std::size_t SuspendCalls() {
    const std::vector<std::string> calls = RecordedCalls();
    return std::size_t(std::count(calls.begin(), calls.end(), "SetPowerState -1 -1"));
}

// A running program other than `known`, adopted so it ends with the test at the latest.
Process OtherProgram(const std::vector<const Process*>& known) {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, kAppWindowClass, nullptr))) {
        DWORD id = 0;
        ::GetWindowThreadProcessId(window, &id);
        if (std::none_of(known.begin(), known.end(),
                         [id](const Process* p) { return p->id == id; })) {
            return {UniqueHandle(::OpenProcess(
                        SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                        id)),
                    id};
        }
    }
    return {};
}

void Close(const Process& program) {
    ::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForEnd(kCloseTimeoutMs));
}

class ScheduledStartTest : public ProgramTest {
protected:
    // Waits for the countdown of `counting` to run out and for the scheduler's process to end
    // soon after.
    void ExpectCountdownThenEnd(const Process& counting, const Process& scheduled) {
        const HWND countdown =
            counting.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
        ASSERT_NE(countdown, nullptr) << "no countdown";
        if (&counting != &scheduled) {
            EXPECT_EQ(scheduled.Window(kCountdownWindowClass), nullptr)
                << "the handing-off process counts down itself";
        }
        WaitForCountdownEnd(countdown, {&scheduled});
        EXPECT_TRUE(scheduled.WaitForEnd(kOutliveMs))
            << "the scheduler's process outlived its countdown";
        EXPECT_EQ(scheduled.ExitCode(), 0u);
    }
};

TEST_F(ScheduledStartTest, EachDaysProcessEndsWithItsCountdownAndAnOrdinaryInstanceStays) {
    const std::wstring parameters = RegisterJob(TriggerKind::Daily, L"Standby", kJustDueMs);

    // The first day, with no instance running: the scheduler's process counts down itself,
    // then leaves an ordinary instance in the notification area.
    Process firstDay = Start(parameters);
    ExpectCountdownThenEnd(firstDay, firstDay);
    EXPECT_EQ(SuspendCalls(), 1u);
    Process ordinary;
    ASSERT_TRUE(
        WaitUntil([&] { return static_cast<bool>((ordinary = OtherProgram({&firstDay})).handle); },
                  kStartTimeoutMs))
        << "no ordinary instance after the countdown";
    const HWND mainWindow = WaitForFirstInstance(ordinary);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_FALSE(::IsWindowVisible(mainWindow)) << "the daily task is set";

    // The next day the ordinary instance counts down for the scheduler's new process.
    ::DeleteFileW(RecordPath().c_str());
    Process nextDay = Start(parameters);
    ExpectCountdownThenEnd(ordinary, nextDay);
    EXPECT_TRUE(WaitUntil([] { return SuspendCalls() == 1; }, kCloseTimeoutMs));
    EXPECT_TRUE(ordinary.Running());
    EXPECT_TRUE(JobRegistered());
    Close(ordinary);
}

TEST_F(ScheduledStartTest, AStartHandedOverWhileTheFirstInstanceStartsCountsDownOnce) {
    RegisterJob(TriggerKind::Daily, L"Standby", kJustDueMs);
    Process first = Start(L"");
    // As soon as the first instance holds the block, before its windows are up.
    ASSERT_NE(first.WaitForWindow(kAppWindowClass, kStartTimeoutMs), nullptr);
    Process scheduled = Start(L"-Day -Standby");

    ExpectCountdownThenEnd(first, scheduled);
    ::Sleep(kSettleMs);
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr) << "counted down twice";
    EXPECT_EQ(SuspendCalls(), 1u);
    EXPECT_TRUE(first.Running());
    Close(first);
}

TEST_F(ScheduledStartTest, ABlockThatAnotherProgramMadeFirstSwallowsNoStart) {
    struct Case {
        const char* what;
        const wchar_t* security;  // null: the system's default
    };
    const Case cases[] = {
        {"made with the default security", nullptr},
        {"made for administrators, naming another program's window", kAdministratorsOnly},
    };
    // A live window of this test, which never answers the program's messages.
    const UniqueWindow squatter(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                                  nullptr, nullptr, nullptr));
    const auto id = static_cast<LONG>(InstanceWindowOf(squatter.Get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CleanState();
        SecurityAttributes security(c.security != nullptr ? c.security : kAdministratorsOnly);
        const UniqueHandle block(::CreateFileMappingW(
            INVALID_HANDLE_VALUE, c.security != nullptr ? security.Get() : nullptr, PAGE_READWRITE,
            0, 8, L"{3BF4B840-B865-48C2-AD11-D0DE993D9622}"));
        ASSERT_TRUE(block);
        const UniqueMappedView view(::MapViewOfFile(block.Get(), FILE_MAP_WRITE, 0, 0, 8));
        ASSERT_TRUE(view);
        static_cast<LONG*>(view.Get())[0] = id;
        static_cast<LONG*>(view.Get())[1] = id;

        Process program = Start(RegisterJob(TriggerKind::Specified, L"Shutdown", kDueNowMs));
        EXPECT_NE(program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs), nullptr)
            << "the start was swallowed";
        Close(program);
        EXPECT_TRUE(RecordedCalls().empty());
    }
}

}  // namespace
}  // namespace dusk::win32::program_test
