#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "base/win32/unique_handle.h"

namespace dusk::test {

// Polls every 100 ms until the condition holds; false at the timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The folder of the running test program, with its trailing separator: the programs under test
// are built next to it.
std::wstring ThisFolder();

// A started program; one still running when the test ends is ended with it.
struct TestProcess {
    win32::UniqueHandle handle;
    DWORD id = 0;

    TestProcess() = default;
    TestProcess(win32::UniqueHandle process, DWORD processId)
        : handle(std::move(process)), id(processId) {}
    TestProcess(TestProcess&&) = default;
    TestProcess& operator=(TestProcess&&) = default;
    ~TestProcess();
    bool Running() const;
    bool WaitForEnd(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    // The process's top-level window of the class, visible or not; null when it has none.
    HWND Window(const wchar_t* className) const;
    // Null while it has none or it is hidden.
    HWND VisibleWindow(const wchar_t* className) const;
    // Wait while the process runs; null when it ended or the time ran out first.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs) const;
    HWND WaitForVisibleWindow(const wchar_t* className, DWORD timeoutMs) const;
};

// Started in its own folder (the current folder is one of the places searched for a DLL) with
// the argument text; no handle when it could not be started.
TestProcess StartProcess(const std::wstring& program, const std::wstring& arguments = {});
// A whole command line as it stands, in the current folder.
TestProcess StartCommandLine(std::wstring commandLine);

}  // namespace dusk::test
