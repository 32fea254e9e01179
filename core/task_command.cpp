#include "core/task_command.h"

#include <array>
#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

struct ActionPair {
    CommandAction action;
    std::int32_t code;
};
constexpr std::array<ActionPair, 5> kActionCodes = {{
    {CommandAction::Shutdown, kActionShutDown},
    {CommandAction::Logoff, kActionLogOff},
    {CommandAction::Sleep, kActionStandBy},
    {CommandAction::Hibernate, kActionHibernate},
    {CommandAction::Restart, kActionRestart},
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

std::int32_t ActionCodeOf(CommandAction action) {
    for (const ActionPair& pair : kActionCodes) {
        if (pair.action == action) return pair.code;
    }
    return kActionNone;
}

std::optional<CommandAction> CommandActionOf(std::int32_t actionCode) {
    for (const ActionPair& pair : kActionCodes) {
        if (pair.code == actionCode) return pair.action;
    }
    return std::nullopt;
}

TaskCommands::TaskCommands(TaskController& controller, TaskRecord& task, TaskControls& controls,
                           const Clock& clock, const RegionalFormats& formats,
                           const TaskStore& store, CommandPrompts& prompts)
    : controller_(controller),
      task_(task),
      controls_(controls),
      clock_(clock),
      formats_(formats),
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
    controller_.OnActionClick(ActionCodeOf(command.action));
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
    const auto action = CommandActionOf(task_.actionCode);
    const auto moment = TaskMomentNear(task_, clock_.Now(), formats_);
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
