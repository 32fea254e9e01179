#include "core/task_command.h"

#include <array>
#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

struct ActionPair {
    CommandAction command;
    TaskAction task;
};
constexpr std::array<ActionPair, 5> kActionPairs = {{
    {CommandAction::Shutdown, TaskAction::ShutDown},
    {CommandAction::Logoff, TaskAction::LogOff},
    {CommandAction::Sleep, TaskAction::StandBy},
    {CommandAction::Hibernate, TaskAction::Hibernate},
    {CommandAction::Restart, TaskAction::Restart},
}};

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace

bool CommandPrompts::Ask(const std::wstring& question) {
    return running_ || interactive_.Ask(question);
}

void CommandPrompts::Warn(const std::wstring& text) {
    if (running_) {
        reason_ = text;
    } else {
        interactive_.Warn(text);
    }
}

void CommandPrompts::Inform(const std::wstring& text) {
    if (!running_) interactive_.Inform(text);
}

void CommandPrompts::BeginCommand() {
    running_ = true;
    reason_.clear();
}

std::wstring CommandPrompts::EndCommand() {
    running_ = false;
    return std::exchange(reason_, {});
}

TaskAction TaskActionOf(CommandAction action) {
    for (const ActionPair& pair : kActionPairs) {
        if (pair.command == action) return pair.task;
    }
    return TaskAction::None;
}

std::optional<CommandAction> CommandActionOf(TaskAction action) {
    for (const ActionPair& pair : kActionPairs) {
        if (pair.task == action) return pair.command;
    }
    return std::nullopt;
}

TaskCommands::TaskCommands(TaskController& controller, TaskRecord& task, TaskControls& controls,
                           const Clock& clock, const TaskStore& store, CommandPrompts& prompts)
    : controller_(controller),
      task_(task),
      controls_(controls),
      clock_(clock),
      store_(store),
      prompts_(prompts) {}

CommandResult TaskCommands::Run(const ParsedCommandLine& command) {
    prompts_.BeginCommand();
    CommandResult result =
        std::visit(Overloaded{[this](const SetCommand& set) { return Set(set); },
                              [this](const CancelCommand&) { return Cancel(); },
                              [this](const QueryCommand&) { return Query(); },
                              [](const CommandLineError& error) {
                                  return CommandResult{CommandExitCode::BadArguments, error.reason};
                              },
                              [](const auto&) { return CommandResult{}; }},
                   command);
    const std::wstring warning = prompts_.EndCommand();
    if (result.code == CommandExitCode::NotCarriedOut && result.text.empty()) result.text = warning;
    return result;
}

CommandResult TaskCommands::Set(const SetCommand& command) {
    if (IsTaskSet(task_.status)) {
        CommandResult cancelled = Cancel();
        if (cancelled.code != CommandExitCode::Done) return cancelled;
    }
    Choose(command);
    // Checked again here: an "at" moment may have passed since the command was read.
    const DueOrError due = ResolveDue(command.when, clock_.Now());
    if (const auto* error = std::get_if<CommandLineError>(&due)) {
        return {CommandExitCode::NotCarriedOut, error->reason};
    }
    controller_.OnStartTaskClick();
    if (IsTaskSet(task_.status)) return {};
    return {CommandExitCode::NotCarriedOut, {}};
}

void TaskCommands::Choose(const SetCommand& command) {
    controller_.OnActionClick(TaskActionOf(command.action));
    std::visit(
        Overloaded{[this](const DailyAt& daily) {
                       controller_.OnDailyClick();
                       controls_.dailyTimePicker.SetValue(
                           WithTimeOfDay(clock_.Now(), daily.timeOfDayMs));
                   },
                   [this](const OnceAt& once) {
                       controller_.OnSpecifiedClick();
                       controls_.specifiedDatePicker.SetValue(once.moment.Date());
                       controls_.specifiedTimePicker.SetValue(once.moment);
                   },
                   [this](const After& after) {
                       controller_.OnFromNowClick();
                       controls_.delayHoursField.SetText(std::to_wstring(after.minutes / 60));
                       controls_.delayMinutesField.SetText(std::to_wstring(after.minutes % 60));
                   }},
        command.when);
}

CommandResult TaskCommands::Cancel() {
    controller_.OnCancelTaskClick();
    if (IsTaskSet(task_.status)) return {CommandExitCode::NotCarriedOut, {}};
    return {};
}

CommandResult TaskCommands::Query() const {
    std::optional<QueriedTask> queried;
    const auto action = CommandActionOf(task_.action);
    const auto moment = TaskMomentNear(task_, clock_.Now());
    if (IsTaskSet(task_.status) && action && moment) {
        queried.emplace();
        queried->action = *action;
        if (task_.trigger == TriggerKind::Daily) {
            queried->when = DailyAt{moment->TimeOfDayMs()};
        } else {
            queried->when = OnceAt{*moment};
        }
        queried->place =
            store_.Load().trigger != TriggerKind::None ? TaskPlace::Local : TaskPlace::Scheduler;
    }
    return {CommandExitCode::Done, FormatQueryLine(queried)};
}

}  // namespace dusk
