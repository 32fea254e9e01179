#pragma once
#include <optional>
#include <string>

#include "base/clock.h"
#include "core/command_line.h"
#include "core/command_line_text.h"
#include "core/task_controller.h"
#include "core/task_store.h"
#include "core/user_prompts.h"

namespace dusk {

// The prompts of the task parts: while a command runs, every question is answered Yes, nothing
// is shown and a warning becomes the reason the command failed; otherwise the user's prompts.
class CommandPrompts : public UserPrompts {
public:
    explicit CommandPrompts(UserPrompts& interactive) : interactive_(interactive) {}

    bool Ask(const std::wstring& question) override;
    void Warn(const std::wstring& text) override;
    void Inform(const std::wstring& text) override;

    void BeginCommand();
    // Answers the last warning given while the command ran; empty when there was none.
    std::wstring EndCommand();
    bool CommandRunning() const { return running_; }

private:
    UserPrompts& interactive_;
    bool running_ = false;
    std::wstring reason_;
};

struct CommandResult {
    CommandExitCode code = CommandExitCode::Done;
    std::wstring text;  // the reason of a failure, or /query's line
};

// /set, /cancel and /query on the task parts, as Start Task and Cancel Task with their
// questions answered, over the choices a person would make in the task box.
class TaskCommands {
public:
    TaskCommands(TaskController& controller, TaskRecord& task, TaskControls& controls,
                 const Clock& clock, const TaskStore& store, CommandPrompts& prompts);

    CommandResult Run(const ParsedCommandLine& command);

private:
    CommandResult Set(const SetCommand& command);
    CommandResult Cancel();
    CommandResult Query() const;
    void Choose(const SetCommand& command);

    TaskController& controller_;
    TaskRecord& task_;
    TaskControls& controls_;
    const Clock& clock_;
    const TaskStore& store_;
    CommandPrompts& prompts_;
};

// The task's action of a command's action, and back; nullopt for None.
TaskAction TaskActionOf(CommandAction action);
std::optional<CommandAction> CommandActionOf(TaskAction action);

}  // namespace dusk
