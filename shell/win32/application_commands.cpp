// The application's side of the command line: /? and refusals answered at once, a command handed
// to the first instance, or carried out here without showing a window.
#include "core/command_line_text.h"
#include "core/win32/command_output.h"
#include "shell/win32/application.h"
#include "shell/win32/command_handoff.h"

namespace dusk::win32 {

Application::StartResult Application::StartCommand() {
    const ParsedCommandLine& command = startRequest_.command;
    if (std::holds_alternative<UsageCommand>(command)) {
        CommandOutput().WriteOutput(std::wstring(CommandLineUsage()));
        return StartResult::CommandDone;
    }
    if (const auto* error = std::get_if<CommandLineError>(&command)) {
        ReportCommand({CommandExitCode::BadArguments, error->reason});
        return StartResult::CommandDone;
    }
    // A moment that has passed is a bad argument: refused before anything changes.
    if (const auto* set = std::get_if<SetCommand>(&command)) {
        const DueOrError due = ResolveDue(set->when, clock_.Now());
        if (const auto* error = std::get_if<CommandLineError>(&due)) {
            ReportCommand({CommandExitCode::BadArguments, error->reason});
            return StartResult::CommandDone;
        }
    }

    const InstanceWindow own = InstanceWindowOf(Handle());
    const InstanceWindow first =
        instanceBlock_.Available() ? ClaimFirstInstance(instanceBlock_, messenger_, own) : own;
    if (first == own) return CarryOutCommand();
    const auto code = SendCommandToInstance(WindowOf(first), Handle(), arguments_);
    if (!code) {
        ReportCommand({CommandExitCode::NotCarriedOut, L"The running program did not answer."});
    } else {
        ReportCommand({*code, commandAnswer_});
    }
    return StartResult::CommandDone;
}

Application::StartResult Application::CarryOutCommand() {
    const auto os = CreateMainWindow();
    if (!os || !CreateLaterWindows()) {
        ReportCommand({CommandExitCode::NotCarriedOut, L"The program could not start."});
        return StartResult::CommandDone;
    }
    ConnectServices(*os);
    // The task is restored as at the first showing, without a question.
    commandPrompts_.BeginCommand();
    controller_->OnFirstShow();
    commandPrompts_.EndCommand();

    const CommandResult result = commands_->Run(startRequest_.command);
    ReportCommand(result);
    // A task kept inside the program needs it running, in the notification area.
    const bool keptLocally = result.code == CommandExitCode::Done &&
                             std::holds_alternative<SetCommand>(startRequest_.command) &&
                             taskStore_->Load().trigger != TriggerKind::None;
    if (!keptLocally) return StartResult::CommandDone;
    trayIcon_.Add(Handle(), resources_.trayIcons);
    return StartResult::Running;
}

void Application::ReportCommand(const CommandResult& result) {
    commandExitCode_ = result.code;
    CommandOutput output;
    if (result.code == CommandExitCode::Done) {
        if (!result.text.empty()) output.WriteOutput(result.text + L"\n");
        return;
    }
    output.WriteError(result.text + L"\n");
    activityLog_.Record(L"command refused: " + result.text);
    if (!startRequest_.quiet) {
        const std::wstring title = resources_.catalogue.Text(CatalogueEntry::AppTitle);
        ::MessageBoxW(nullptr, result.text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
    }
}

LRESULT Application::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
    if (const auto answer = CommandAnswerOf(wParam, lParam)) {
        commandAnswer_ = *answer;
        return TRUE;
    }
    const auto arguments = CommandOfMessage(wParam, lParam);
    if (!arguments) return FALSE;
    CommandResult result{CommandExitCode::NotCarriedOut, L"The program is still starting."};
    // A command may show the notice before the main window's first paint has made it.
    if (commands_ && CreateLaterWindows()) result = commands_->Run(ParseCommandLine(*arguments));
    activityLog_.Record(L"command from another process answered " +
                        std::to_wstring(static_cast<int>(result.code)));
    ReplyToCommand(Handle(), wParam, result.text);
    return CommandMessageResult(result.code);
}

}  // namespace dusk::win32
