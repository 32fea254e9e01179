// Starts the built DuskRelay.exe as its own process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {
namespace {

// Wine under emulation starts a process slowly.
constexpr DWORD kStartTimeoutMs = 120000;

std::wstring ThisFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// The tests are built next to the program.
std::wstring ProgramPath() { return ThisFolder() + L"DuskRelay.exe"; }

// A started program; one still running when the test ends is ended with it.
struct Process {
    UniqueHandle process;
    DWORD id = 0;

    ~Process() {
        if (process && ::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process.Get(), 1);
    }
};

// Started in its own folder: the current folder is one of the places searched for a DLL.
Process Start(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info))
        return {};
    ::CloseHandle(info.hThread);
    return {UniqueHandle(info.hProcess), info.dwProcessId};
}

HWND FindAppWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, L"TolvaneDuskRelayApp", nullptr))) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

DWORD ExitCode(HANDLE process) {
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    return code;
}

TEST(DuskRelayStart, RunsItsMessageLoopUntilClosed) {
    Process program = Start(ProgramPath());
    ASSERT_TRUE(program.process) << "cannot start DuskRelay.exe";

    HWND appWindow = nullptr;
    for (DWORD waited = 0; appWindow == nullptr && waited < kStartTimeoutMs; waited += 100) {
        ASSERT_EQ(::WaitForSingleObject(program.process.Get(), 100), WAIT_TIMEOUT)
            << "ended early with " << std::hex << ExitCode(program.process.Get());
        appWindow = FindAppWindow(program.id);
    }
    ASSERT_NE(appWindow, nullptr);
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
    Process program = Start(lonely);
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
}  // namespace dusk::win32
