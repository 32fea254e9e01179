#include "program_process.h"

namespace dusk::test {
namespace {

HWND FindAppWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, L"TolvaneDuskRelayApp", nullptr))) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

Process Start(const wchar_t* program, std::wstring commandLine, const wchar_t* folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                          &startup, &info))
        return {};
    ::CloseHandle(info.hThread);
    return {win32::UniqueHandle(info.hProcess), info.dwProcessId};
}

}  // namespace

std::wstring ThisFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

Process::~Process() {
    if (process && ::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT)
        ::TerminateProcess(process.Get(), 1);
}

Process StartProgram(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    return Start(program.c_str(), L"\"" + program + L"\"", folder.c_str());
}

Process StartCommandLine(std::wstring commandLine) {
    return Start(nullptr, std::move(commandLine), nullptr);
}

HWND WaitForAppWindow(const Process& program) {
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 100) {
        if (::WaitForSingleObject(program.process.Get(), 100) != WAIT_TIMEOUT) return nullptr;
        if (HWND window = FindAppWindow(program.id)) return window;
    }
    return nullptr;
}

DWORD ExitCode(HANDLE process) {
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    return code;
}

}  // namespace dusk::test
