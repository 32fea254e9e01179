// Starts the built DuskRelay.exe as its own process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "test_process.h"

namespace dusk::win32 {
namespace {

using test::StartProcess;
using test::TestProcess;

// Wine under emulation starts a process slowly.
constexpr DWORD kStartTimeoutMs = 120000;

// The tests are built next to the program.
std::wstring ProgramPath() { return test::ThisFolder() + L"DuskRelay.exe"; }

TEST(DuskRelayStart, RunsItsMessageLoopUntilClosed) {
    TestProcess program = StartProcess(ProgramPath());
    ASSERT_TRUE(program.handle) << "cannot start DuskRelay.exe";

    const HWND appWindow = program.WaitForWindow(L"TolvaneDuskRelayApp", kStartTimeoutMs);
    ASSERT_TRUE(program.Running()) << "ended early with " << std::hex << program.ExitCode();
    ASSERT_NE(appWindow, nullptr);
    EXPECT_FALSE(::IsWindowVisible(appWindow));

    ::PostMessageW(appWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForEnd(kStartTimeoutMs));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST(DuskRelayStart, DoesNotStartWithoutVimbly) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"DuskRelayWithoutVimbly";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring lonely = folder + L"\\DuskRelay.exe";
    ASSERT_TRUE(::CopyFileW(ProgramPath().c_str(), lonely.c_str(), FALSE));

    // No system error box for the missing DLL: the child inherits the error mode.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    TestProcess program = StartProcess(lonely);
    ::SetErrorMode(previousMode);
    if (program.handle) {
        ASSERT_TRUE(program.WaitForEnd(kStartTimeoutMs));
        EXPECT_EQ(program.ExitCode(),
                  static_cast<DWORD>(0xC0000135));  // DLL not found
    }
    ::DeleteFileW(lonely.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace dusk::win32
