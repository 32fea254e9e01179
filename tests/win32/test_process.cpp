#include "test_process.h"

namespace dusk::test {

namespace {
constexpr DWORD kPollMs = 100;
constexpr DWORD kEndTimeoutMs = 20000;
}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (condition()) return true;
        ::Sleep(kPollMs);
    }
    return condition();
}

std::wstring ThisFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path);
    return file.substr(0, file.find_last_of(L'\\') + 1);
}

TestProcess::~TestProcess() {
    if (Running()) {
        ::TerminateProcess(handle.Get(), 1);
        ::WaitForSingleObject(handle.Get(), kEndTimeoutMs);
    }
}

bool TestProcess::Running() const { return ::WaitForSingleObject(handle.Get(), 0) == WAIT_TIMEOUT; }

bool TestProcess::WaitForEnd(DWORD timeoutMs) const {
    return ::WaitForSingleObject(handle.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD TestProcess::ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(handle.Get(), &code);
    return code;
}

HWND TestProcess::Window(const wchar_t* className) const {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, className, nullptr))) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == id) return window;
    }
    return nullptr;
}

HWND TestProcess::VisibleWindow(const wchar_t* className) const {
    const HWND window = Window(className);
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

HWND TestProcess::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil([&] { return !Running() || (window = Window(className)) != nullptr; }, timeoutMs);
    return window;
}

HWND TestProcess::WaitForVisibleWindow(const wchar_t* className, DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil([&] { return !Running() || (window = VisibleWindow(className)) != nullptr; },
              timeoutMs);
    return window;
}

namespace {

TestProcess Start(const wchar_t* program, std::wstring commandLine, const wchar_t* folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                          &startup, &info)) {
        return {};
    }
    ::CloseHandle(info.hThread);
    return {win32::UniqueHandle(info.hProcess), info.dwProcessId};
}

}  // namespace

TestProcess StartProcess(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    return Start(program.c_str(), std::move(commandLine), folder.c_str());
}

TestProcess StartCommandLine(std::wstring commandLine) {
    return Start(nullptr, std::move(commandLine), nullptr);
}

}  // namespace dusk::test
