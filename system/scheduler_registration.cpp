#include "system/scheduler_registration.h"

#include "system/os_family.h"

namespace dusk {

namespace {

// Systems with a scheduler window have no service to configure.
bool SetServiceToStartAutomatically(TaskScheduler& scheduler, std::wstring_view osFamily) {
    if (HasSchedulerWindow(osFamily)) return true;
    std::uint32_t startType = 0;
    if (!scheduler.QueryServiceStartType(kSchedulerServiceName, startType)) return false;
    return startType == kServiceAutoStart ||
           scheduler.SetServiceStartType(kSchedulerServiceName, kServiceAutoStart);
}

}  // namespace

bool PrepareScheduler(TaskScheduler& scheduler, std::wstring_view osFamily,
                      const SchedulerPrompts& prompts) {
    if (!SetServiceToStartAutomatically(scheduler, osFamily)) return false;
    if (scheduler.IsSchedulerRunning()) return true;
    if (!prompts.askToStart()) return false;
    if (scheduler.StartScheduler()) return true;
    prompts.reportStartFailed();
    return false;
}

bool SaveWhileSchedulerRuns(TaskScheduler& scheduler, const ScheduledTask& task) {
    return scheduler.IsSchedulerRunning() && scheduler.SaveTask(task) == SaveOutcome::Saved;
}

}  // namespace dusk
