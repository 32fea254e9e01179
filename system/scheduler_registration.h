#pragma once
#include <functional>
#include <string_view>

#include "system/task_scheduler.h"

namespace dusk {

// What the registration asks of the user; the controller shows the message boxes.
struct SchedulerPrompts {
    std::function<bool()> askToStart;         // the scheduler is not running: start it? (Yes)
    std::function<void()> reportStartFailed;  // it could not be started
};

// Before the job is built: sets the "Schedule" service to start automatically and makes sure
// the scheduler runs, starting it once the user agrees. False when the scheduler cannot be
// used, so the task must run inside the program.
bool PrepareScheduler(TaskScheduler& scheduler, std::wstring_view osFamily,
                      const SchedulerPrompts& prompts);

// After the job is built: saves it while the scheduler still runs. False when the scheduler
// stopped meanwhile or the save failed; nothing is shown.
bool SaveWhileSchedulerRuns(TaskScheduler& scheduler, const ScheduledTask& task);

}  // namespace dusk
