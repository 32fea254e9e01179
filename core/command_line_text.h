#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/command_line.h"

namespace dusk {

// What /? prints.
std::wstring_view CommandLineUsage();

// Where a task is kept.
enum class TaskPlace { Scheduler, Local };

// The task /query reports. A task that runs once is given by its due moment (OnceAt), so the
// answer stays true after the moment it was set.
struct QueriedTask {
    CommandAction action = CommandAction::Shutdown;
    CommandWhen when;
    TaskPlace place = TaskPlace::Scheduler;
};

// The trigger in the words /set takes: "daily 03:00", "at 2026-12-24 18:00", "in 1:30".
// Seconds are added (":SS") only when they are not zero, so the answer reads back exactly.
std::wstring FormatWhen(const CommandWhen& when);

// /query's one line: "restart daily 03:00 scheduler", or "none" without a task.
std::wstring FormatQueryLine(const std::optional<QueriedTask>& task);

}  // namespace dusk
