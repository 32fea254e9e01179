#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/activity_log.h"
#include "core/message_catalogue.h"
#include "core/task_registration.h"
#include "core/user_prompts.h"
#include "system/program_protection.h"
#include "system/scheduled_job.h"
#include "system/task_scheduler.h"

namespace dusk {

// What the registration asks of the user.
struct SchedulerPrompts {
    std::function<bool()> askToStart;         // the scheduler is not running: start it? (Yes)
    std::function<void()> reportStartFailed;  // it could not be started
};

// The two questions through the program's prompts.
SchedulerPrompts PromptsFor(UserPrompts& prompts, const MessageCatalogue& catalogue);

// Before the job is built: sets the "Schedule" service to start automatically and makes sure
// the scheduler runs, starting it once the user agrees. False when the scheduler cannot be
// used, so the task must run inside the program.
bool PrepareScheduler(TaskScheduler& scheduler, std::wstring_view osFamily,
                      const SchedulerPrompts& prompts);

// The program's one job in the system scheduler, named after the task name suffix.
class SchedulerTaskRegistration : public TaskRegistration {
public:
    // With a guard, no job is registered unless the guard allows the elevated start.
    SchedulerTaskRegistration(TaskScheduler& scheduler, std::wstring osFamily, TaskOwner owner,
                              SchedulerPrompts prompts,
                              std::function<void(std::function<void()>)> showNoticeIfWanted,
                              ActivityLog& log, ElevatedStartGuard* guard = nullptr);

    // Not prepared when the guard refuses the elevated start or the scheduler cannot be used.
    void Prepare(std::function<void(bool)> onPrepared) override;
    // Unavailable when the job was not saved; the log tells why.
    RegistrationResult Register(const ScheduledTask& task) override;
    std::wstring Method() const override { return method_; }
    // Also nothing for a job of the program's name that is not its own (IsOwnJob).
    std::optional<ScheduledTask> ReadRegistered() override;
    // A job that the scheduler would not delete but that no longer reads back counts as gone.
    bool DeleteRegistered() override;

private:
    TaskScheduler& scheduler_;
    std::wstring osFamily_;
    TaskOwner owner_;
    SchedulerPrompts prompts_;
    std::function<void(std::function<void()>)> showNoticeIfWanted_;  // its argument: on closed
    ActivityLog& log_;
    std::wstring method_;
    ElevatedStartGuard* guard_;
};

}  // namespace dusk
