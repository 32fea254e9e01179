// Starts a program, measures the milliseconds until its window with the given text is visible,
// prints them, waits while the benchmark script reads the process's memory, then closes the
// program and waits for its end.
//   startup_probe <program> <window text> <idle milliseconds>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    DWORD processId;
    const wchar_t* text;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t text[64] = {};
    ::GetWindowTextW(window, text, 64);
    if (owner == search.processId && ::IsWindowVisible(window) &&
        std::wcscmp(text, search.text) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CloseWindowOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return 2;
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, started, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&started);
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return 3;
    }
    Search search{process.dwProcessId, argv[2]};
    for (int tries = 0; search.found == nullptr && tries < 60000; ++tries) {
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) ::Sleep(1);
    }
    ::QueryPerformanceCounter(&now);
    const double ms = 1000.0 * double(now.QuadPart - started.QuadPart) / double(frequency.QuadPart);
    std::printf("visible %.1f\n", search.found != nullptr ? ms : -1.0);
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(_wtoi(argv[3])));
    ::EnumWindows(CloseWindowOf, static_cast<LPARAM>(process.dwProcessId));
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return search.found != nullptr ? 0 : 1;
}
