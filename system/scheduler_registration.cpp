#include "system/scheduler_registration.h"

#include <utility>

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

SchedulerPrompts PromptsFor(UserPrompts& prompts, const MessageCatalogue& catalogue) {
    return {[&prompts, &catalogue] {
                return prompts.Ask(catalogue.Text(CatalogueEntry::SchedulerNotRunning));
            },
            [&prompts, &catalogue] {
                prompts.Inform(catalogue.Text(CatalogueEntry::SchedulerStartFailed));
            }};
}

bool PrepareScheduler(TaskScheduler& scheduler, std::wstring_view osFamily,
                      const SchedulerPrompts& prompts) {
    if (!SetServiceToStartAutomatically(scheduler, osFamily)) return false;
    if (scheduler.IsSchedulerRunning()) return true;
    if (!prompts.askToStart()) return false;
    if (scheduler.StartScheduler()) return true;
    prompts.reportStartFailed();
    return false;
}

SchedulerTaskRegistration::SchedulerTaskRegistration(
    TaskScheduler& scheduler, std::wstring osFamily, TaskOwner owner, SchedulerPrompts prompts,
    std::function<void(std::function<void()>)> showNoticeIfWanted, ActivityLog& log,
    ElevatedStartGuard* guard)
    : scheduler_(scheduler),
      osFamily_(std::move(osFamily)),
      owner_(std::move(owner)),
      prompts_(std::move(prompts)),
      showNoticeIfWanted_(std::move(showNoticeIfWanted)),
      log_(log),
      guard_(guard) {}

void SchedulerTaskRegistration::Prepare(std::function<void(bool)> onPrepared) {
    if (guard_ != nullptr && !guard_->AllowsElevatedStart()) {
        onPrepared(false);
        return;
    }
    if (!PrepareScheduler(scheduler_, osFamily_, prompts_)) {
        log_.Record(L"scheduler not available");
        onPrepared(false);
        return;
    }
    showNoticeIfWanted_([onPrepared = std::move(onPrepared)] { onPrepared(true); });
}

RegistrationResult SchedulerTaskRegistration::Register(const ScheduledTask& task) {
    if (!scheduler_.IsSchedulerRunning()) {
        log_.Record(L"scheduler stopped before the job was saved");
        return RegistrationResult::Unavailable;
    }
    const SaveOutcome saved = scheduler_.SaveTask(MakeScheduledJob(task, owner_));
    if (saved != SaveOutcome::Saved) {
        log_.Record(L"job not saved, error " + std::to_wstring(static_cast<int>(saved)));
        return RegistrationResult::Unavailable;
    }
    ScheduledJob job;
    const bool readBack = scheduler_.ReadTask(ScheduledJobName(owner_.taskNameSuffix), job);
    // Task Scheduler 2.0 reads its jobs back without 1.0's flags.
    method_ = readBack && job.flags == 0 ? L"scheduler 2.0" : L"scheduler 1.0";
    return RegistrationResult::Registered;
}

std::optional<ScheduledTask> SchedulerTaskRegistration::ReadRegistered() {
    ScheduledJob job;
    if (!scheduler_.ReadTask(ScheduledJobName(owner_.taskNameSuffix), job) ||
        !IsOwnJob(job, owner_))
        return std::nullopt;
    return TaskOfJob(job);
}

bool SchedulerTaskRegistration::DeleteRegistered() {
    if (scheduler_.DeleteTask(ScheduledJobName(owner_.taskNameSuffix))) return true;
    if (!ReadRegistered()) return true;
    log_.Record(L"job not deleted");
    return false;
}

}  // namespace dusk
