// Starts the built DuskRelay.exe as its own process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "program_process.h"

namespace dusk::test {
namespace {

// The tests are built next to the program.
std::wstring ProgramPath() { return ThisFolder() + L"DuskRelay.exe"; }

TEST(DuskRelayStart, RunsItsMessageLoopUntilClosed) {
    Process program = StartProgram(ProgramPath());
    ASSERT_TRUE(program.process) << "cannot start DuskRelay.exe";

    HWND appWindow = WaitForAppWindow(program);
    ASSERT_NE(appWindow, nullptr) << "exit code " << std::hex << ExitCode(program.process.Get());
    EXPECT_FALSE(::IsWindowVisible(appWindow));

    ::PostMessageW(appWindow, WM_CLOSE, 0, 0);
    ASSERT_EQ(::WaitForSingleObject(program.process.Get(), kStartTimeoutMs), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCode(program.process.Get()), 0u);
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
    Process program = StartProgram(lonely);
    ::SetErrorMode(previousMode);
    if (program.process) {
        ASSERT_EQ(::WaitForSingleObject(program.process.Get(), kStartTimeoutMs), WAIT_OBJECT_0);
        EXPECT_EQ(ExitCode(program.process.Get()),
                  static_cast<DWORD>(0xC0000135));  // DLL not found
    }
    ::DeleteFileW(lonely.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace dusk::test
