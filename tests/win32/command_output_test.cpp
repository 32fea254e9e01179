#include "core/win32/command_output.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/win32/unique_handle.h"
#include "test_process.h"

namespace dusk::win32 {
namespace {

// Sets a standard handle for the life of the object.
class StandardHandleSwap {
public:
    StandardHandleSwap(DWORD which, HANDLE handle) : which_(which), saved_(::GetStdHandle(which)) {
        ::SetStdHandle(which, handle);
    }
    ~StandardHandleSwap() { ::SetStdHandle(which_, saved_); }

private:
    DWORD which_;
    HANDLE saved_;
};

std::string ReadAll(HANDLE handle) {
    std::string bytes;
    char buffer[256];
    DWORD read = 0;
    while (::ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

// A script captures standard output through a pipe and standard error into a file.
TEST(CommandOutput, WritesUtf8LinesToTheInheritedPipeAndFile) {
    UniqueHandle pipeRead;
    UniqueHandle pipeWrite;
    ASSERT_TRUE(::CreatePipe(pipeRead.Put(), pipeWrite.Put(), nullptr, 0));
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    ASSERT_GT(::GetTempPathW(MAX_PATH, folder), 0u);
    ASSERT_NE(::GetTempFileNameW(folder, L"dro", 0, path), 0u);
    UniqueFile file(::CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    ASSERT_TRUE(file);
    {
        StandardHandleSwap output(STD_OUTPUT_HANDLE, pipeWrite.Get());
        StandardHandleSwap error(STD_ERROR_HANDLE, file.Get());
        CommandOutput commandOutput;
        commandOutput.WriteOutput(L"restart daily 03:00 scheduler\n");
        commandOutput.WriteError(L"\"25:99\" is not a time of day \u2013 24-hour\n");
    }
    pipeWrite.Reset();
    EXPECT_EQ(ReadAll(pipeRead.Get()), "restart daily 03:00 scheduler\r\n");
    ::SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
    EXPECT_EQ(ReadAll(file.Get()), "\"25:99\" is not a time of day \xE2\x80\x93 24-hour\r\n");
}

// A GUI program started from a console, without redirection, writes into that console.
TEST(CommandOutput, WritesIntoTheConsoleOfTheProgramThatStartedIt) {
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    UniqueFile screen(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    ASSERT_TRUE(screen);
    CONSOLE_SCREEN_BUFFER_INFO before{};
    ASSERT_TRUE(::GetConsoleScreenBufferInfo(screen.Get(), &before));

    // As Windows starts a GUI program from a console: no console and no standard handles.
    std::wstring commandLine = L"command_output_probe.exe none";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(::CreateProcessW((test::ThisFolder() + L"command_output_probe.exe").c_str(),
                                 commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                                 nullptr, nullptr, &startup, &info));
    test::TestProcess probe(UniqueHandle(info.hProcess), info.dwProcessId);
    ::CloseHandle(info.hThread);
    ASSERT_TRUE(probe.WaitForEnd(10000));

    wchar_t text[5] = {};
    DWORD read = 0;
    ::ReadConsoleOutputCharacterW(screen.Get(), text, 4, before.dwCursorPosition, &read);
    screen.Reset();
    ::FreeConsole();
    EXPECT_EQ(std::wstring(text, read), L"none");
}

}  // namespace
}  // namespace dusk::win32
