#pragma once
#include <windows.h>

#include <string>

#include "base/win32/unique_handle.h"

namespace dusk::test {

// Wine under emulation starts a process slowly.
constexpr DWORD kStartTimeoutMs = 120000;

// The folder of the running test program, with its trailing backslash.
std::wstring ThisFolder();

// A started program; one still running when the test ends is ended with it.
struct Process {
    win32::UniqueHandle process;
    DWORD id = 0;

    ~Process();
};

// Starts the program in its own folder (the current folder is one of the places searched for a
// DLL); an empty process when it cannot be started.
Process StartProgram(const std::wstring& program);
// Starts a command line as it stands, in the current folder.
Process StartCommandLine(std::wstring commandLine);

// The program's hidden application window, once it has made it; nullptr when the program ends
// first or makes none within kStartTimeoutMs.
HWND WaitForAppWindow(const Process& program);
DWORD ExitCode(HANDLE process);

}  // namespace dusk::test
