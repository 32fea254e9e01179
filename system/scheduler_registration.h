#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "companion/companion.h"
#include "core/message_catalogue.h"
#include "core/task_registration.h"
#include "system/scheduled_job.h"
#include "system/task_scheduler.h"

namespace dusk {

// What the registration asks of the user.
struct SchedulerPrompts {
    std::function<bool()> askToStart;         // the scheduler is not running: start it? (Yes)
    std::function<void()> reportStartFailed;  // it could not be started
};

// The two questions as message boxes over the owner the function gives at the time.
SchedulerPrompts MessageBoxPrompts(Companion& companion, const MessageCatalogue& catalogue,
                                   std::function<WindowHandle()> owner);

// Before the job is built: sets the "Schedule" service to start automatically and makes sure
// the scheduler runs, starting it once the user agrees. False when the scheduler cannot be
// used, so the task must run inside the program.
bool PrepareScheduler(TaskScheduler& scheduler, std::wstring_view osFamily,
                      const SchedulerPrompts& prompts);

// After the job is built: saves it while the scheduler still runs. False when the scheduler
// stopped meanwhile or the save failed; nothing is shown.
bool SaveWhileSchedulerRuns(TaskScheduler& scheduler, const ScheduledJob& job);

// The program's one job in the system scheduler, named after the task name suffix.
class SchedulerTaskRegistration : public TaskRegistration {
public:
    SchedulerTaskRegistration(TaskScheduler& scheduler, std::wstring osFamily, TaskOwner owner,
                              SchedulerPrompts prompts, std::function<void()> showNoticeIfWanted);

    // Unavailable when the scheduler cannot be used or the job was not saved.
    RegistrationResult Register(const ScheduledTask& task) override;
    std::optional<ScheduledTask> ReadRegistered() override;
    void DeleteRegistered() override;

private:
    TaskScheduler& scheduler_;
    std::wstring osFamily_;
    TaskOwner owner_;
    SchedulerPrompts prompts_;
    std::function<void()> showNoticeIfWanted_;
};

}  // namespace dusk
