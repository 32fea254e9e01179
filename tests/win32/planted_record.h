#pragma once
#include <windows.h>

#include <string>

// What the planted stand-ins write when they run: one line in planted_runs.txt beside the module.
inline void RecordPlantedRun(HMODULE module, const char* line) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring record(path);
    record = record.substr(0, record.find_last_of(L'\\') + 1) + L"planted_runs.txt";
    const HANDLE file = ::CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = std::string(line) + "\n";
    DWORD written = 0;
    ::WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    ::CloseHandle(file);
}
