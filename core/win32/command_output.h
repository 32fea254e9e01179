#pragma once
#include <windows.h>

#include <string_view>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

// Where a command's answers go. Standard output and error go where the process inherited them
// (a pipe or a file of a script, or the NUL device when the script silenced them). A stream
// the process did not inherit goes to the console of the program that started it, attached on
// the first write and let go with this object; without such a console the text goes nowhere.
class CommandOutput {
public:
    CommandOutput();
    ~CommandOutput();
    CommandOutput(const CommandOutput&) = delete;
    CommandOutput& operator=(const CommandOutput&) = delete;

    // Each "\n" is written as "\r\n"; files and pipes receive UTF-8.
    void WriteOutput(std::wstring_view text);
    void WriteError(std::wstring_view text);

private:
    void Write(HANDLE inherited, std::wstring_view text);
    HANDLE ParentConsole();

    HANDLE output_;  // inherited handles are the process's, never closed here
    HANDLE error_;
    bool consoleTried_ = false;
    bool attached_ = false;
    UniqueFile console_;  // the parent's console screen buffer, closed before it is let go
};

}  // namespace dusk::win32
