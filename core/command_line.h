#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/date_time.h"

namespace dusk {

// The language of scripts and deployment tools:
//   /set <action> <when> [/quiet]   /cancel [/quiet]   /query   /?
// Switches begin with "/" and, like every word, ignore letter case. Times are 24-hour and dates
// ISO whatever the regional settings, so a script means the same on every machine.

enum class CommandAction { Shutdown, Restart, Logoff, Sleep, Hibernate };

struct CommandActionName {
    CommandAction action;
    std::wstring_view word;
};
constexpr std::array<CommandActionName, 5> kCommandActionNames = {{
    {CommandAction::Shutdown, L"shutdown"},
    {CommandAction::Restart, L"restart"},
    {CommandAction::Logoff, L"logoff"},
    {CommandAction::Sleep, L"sleep"},
    {CommandAction::Hibernate, L"hibernate"},
}};

// Every day at a time of day.
struct DailyAt {
    std::int64_t timeOfDayMs = 0;
    friend bool operator==(const DailyAt&, const DailyAt&) = default;
};
// Once, at a date and time.
struct OnceAt {
    DateTime moment;
    friend bool operator==(const OnceAt&, const OnceAt&) = default;
};
// Once, a number of minutes from the moment the task is set.
struct After {
    int minutes = 0;
    friend bool operator==(const After&, const After&) = default;
};
using CommandWhen = std::variant<DailyAt, OnceAt, After>;

// The longest delay the main window's delay fields can show: 100 hours.
constexpr int kMaxDelayMinutes = 100 * 60;

struct SetCommand {
    CommandAction action = CommandAction::Shutdown;
    CommandWhen when;
    bool quiet = false;
    friend bool operator==(const SetCommand&, const SetCommand&) = default;
};
struct CancelCommand {
    bool quiet = false;
    friend bool operator==(const CancelCommand&, const CancelCommand&) = default;
};
struct QueryCommand {
    friend bool operator==(const QueryCommand&, const QueryCommand&) = default;
};
struct UsageCommand {
    friend bool operator==(const UsageCommand&, const UsageCommand&) = default;
};
// The arguments do not begin with a switch: an ordinary start, or the scheduler's start with
// the task's parameters ("-Day -Shutdown" and the like), which the start-up path handles.
struct NotACommand {
    friend bool operator==(const NotACommand&, const NotACommand&) = default;
};
struct CommandLineError {
    std::wstring reason;  // one sentence for standard error and the message box
    friend bool operator==(const CommandLineError&, const CommandLineError&) = default;
};

using ParsedCommandLine = std::variant<NotACommand, SetCommand, CancelCommand, QueryCommand,
                                       UsageCommand, CommandLineError>;

// The arguments after the program's name. Each argument is split at blanks, so a quoted
// "at 2026-12-24 18:00" reads like the three words.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);

// The moment a "when" next falls due after now: a daily time's next occurrence (today if still
// ahead, else tomorrow), an "at" moment, or now plus the delay. An "at" moment that is not after
// now is refused.
using DueOrError = std::variant<DateTime, CommandLineError>;
DueOrError ResolveDue(const CommandWhen& when, DateTime now);

// The process's exit code after a command.
enum class CommandExitCode : int {
    Done = 0,
    BadArguments = 1,   // nothing was changed
    NotCarriedOut = 2,  // the task could not be set or cancelled
};

}  // namespace dusk
