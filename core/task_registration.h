#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/date_time.h"
#include "core/task_model.h"

namespace dusk {

// A task as the system scheduler keeps it.
struct ScheduledTask {
    std::wstring actionKeyword;  // "Shutdown", "Logoff", "Standby" or "Hibernate"
    TriggerKind trigger = TriggerKind::None;
    // The first due moment: daily, today at the daily time of day; specified, the chosen
    // moment; from now, now plus the delay. The scheduler keeps it to the minute.
    DateTime start;
    // From now: the delay fields' texts as they stand, part of the job's parameters.
    std::wstring delayHoursText;
    std::wstring delayMinutesText;
};

enum class RegistrationResult {
    Unavailable = 0,  // the scheduler cannot be used: the task runs inside the program
    Registered = 1,
    Rejected = 2,  // the scheduler refused the task and has told the user why
};

// The program's one job in the system scheduler, which starts the program again when the task
// falls due. Names, accounts and the scheduler's own messages are the implementation's.
class TaskRegistration {
public:
    virtual ~TaskRegistration() = default;
    // Everything the scheduler needs of the user before a job is saved (starting it, the
    // notice), so the caller can take the task's moment afterwards. onPrepared runs once the
    // user is done, with false when the scheduler cannot be used.
    virtual void Prepare(std::function<void(bool ready)> onPrepared) = 0;
    // Replaces any job of the program; after Prepare.
    virtual RegistrationResult Register(const ScheduledTask& task) = 0;
    // How the latest job was saved, for the activity log ("scheduler 2.0" or "scheduler 1.0").
    virtual std::wstring Method() const = 0;
    // Nothing when no job of the program can be read.
    virtual std::optional<ScheduledTask> ReadRegistered() = 0;
    // True when no job of the program remains: deleted, or there was none.
    virtual bool DeleteRegistered() = 0;
};

}  // namespace dusk
