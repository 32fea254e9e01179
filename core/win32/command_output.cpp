#include "core/win32/command_output.h"

#include <string>

namespace dusk::win32 {

namespace {

// A handle the process inherited: a file, a pipe or a character device. A GUI program started
// from a console without redirection inherits none (null, or a value that names no object).
HANDLE Inherited(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
    return ::GetFileType(handle) == FILE_TYPE_UNKNOWN ? nullptr : handle;
}

std::wstring WithCarriageReturns(std::wstring_view text) {
    std::wstring lines;
    lines.reserve(text.size() + 8);
    for (wchar_t c : text) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    return lines;
}

std::string Utf8(std::wstring_view text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                              size, nullptr, nullptr);
    }
    return bytes;
}

void WriteTo(HANDLE handle, std::wstring_view text) {
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(handle, &mode)) {
        ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Utf8(text);
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

CommandOutput::CommandOutput()
    : output_(Inherited(STD_OUTPUT_HANDLE)), error_(Inherited(STD_ERROR_HANDLE)) {}

CommandOutput::~CommandOutput() {
    console_.Reset();
    if (attached_) ::FreeConsole();
}

void CommandOutput::WriteOutput(std::wstring_view text) { Write(output_, text); }

void CommandOutput::WriteError(std::wstring_view text) { Write(error_, text); }

void CommandOutput::Write(HANDLE inherited, std::wstring_view text) {
    const HANDLE target = inherited != nullptr ? inherited : ParentConsole();
    if (target != nullptr) WriteTo(target, WithCarriageReturns(text));
}

HANDLE CommandOutput::ParentConsole() {
    if (!consoleTried_) {
        consoleTried_ = true;
        attached_ = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
        // Denied: the process has a console already (Wine gives a GUI program its parent's).
        // "CONOUT$" names the console's screen buffer, not a file anyone could place.
        if (attached_ || ::GetLastError() == ERROR_ACCESS_DENIED) {
            console_.Reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
        }
    }
    return console_ ? console_.Get() : nullptr;
}

}  // namespace dusk::win32
