#pragma once
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_model.h"
#include "system/task_scheduler.h"

namespace dusk {

// The trigger the user chose, as the main window's controls hold it.
struct TriggerChoice {
    TriggerKind kind = TriggerKind::None;  // the checked trigger box
    DateTime dailyTime;                    // daily: only its time of day counts
    DateTime specifiedDate;                // specified: only its date counts
    DateTime specifiedTime;                // specified: only its time of day counts
    std::wstring delayHours;               // from now: the delay fields' texts as they stand
    std::wstring delayMinutes;
};

// Where the program lives and whose job it is.
struct TaskOwner {
    std::wstring programFolder;  // with its trailing separator
    std::wstring taskNameSuffix;
};

enum class TaskRejection {
    None,
    NoTrigger,    // no trigger box is checked: nothing to register, no message
    NotInFuture,  // a specified moment at or before now
    ZeroDelay,    // a delay of "0" hours and "0" minutes
};

struct TaskBuild {
    TaskRejection rejection = TaskRejection::None;
    std::wstring warning;        // the catalogue text to show for NotInFuture and ZeroDelay
    ScheduledTask task;          // complete when not rejected
    std::wstring dailyTimeText;  // daily: the daily time in the long time form
    std::wstring dueText;        // specified: the date-time form; from now: the default form

    bool Accepted() const { return rejection == TaskRejection::None; }
};

// "TolvaneDuskRelay" followed by the suffix.
std::wstring ScheduledTaskName(std::wstring_view taskNameSuffix);

// The job that starts the program again with the action keyword when the chosen trigger falls
// due, or why there is none. A daily job begins today; a from-now job is due now plus the
// delay, to the minute.
TaskBuild BuildScheduledTask(const TriggerChoice& choice, std::wstring_view actionKeyword,
                             DateTime now, const RegionalFormats& formats, const TaskOwner& owner,
                             const MessageCatalogue& catalogue);

}  // namespace dusk
