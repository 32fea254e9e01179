#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/task_command.h"

namespace dusk::win32 {

// A command goes from a later process to the first instance as WM_COPYDATA to its application
// window and comes back the same way: the answer's text is copied to the sender's window before
// the send returns, with the exit code as the send's result.

// True for a window of a process that runs this program's own file.
bool IsWindowOfThisProgram(HWND window);

// Sends the arguments to `instance` from `sender`, whose window procedure hands the answer's text
// to TakeCommandAnswer. Nothing when the instance is not this program or did not answer in time.
std::optional<CommandExitCode> SendCommandToInstance(HWND instance, HWND sender,
                                                     const std::vector<std::wstring>& arguments);

// The arguments of a command message, or nothing when the message is none (or not from this
// program).
std::optional<std::vector<std::wstring>> CommandOfMessage(WPARAM wParam, LPARAM lParam);
// Sends the answer's text from `self` back to the sender; the window procedure then returns
// CommandMessageResult(code).
void ReplyToCommand(HWND self, WPARAM wParam, const std::wstring& text);
LRESULT CommandMessageResult(CommandExitCode code);

// The answer's text of a message to the sender, or nothing when the message is none (or not from
// this program).
std::optional<std::wstring> CommandAnswerOf(WPARAM wParam, LPARAM lParam);

}  // namespace dusk::win32
