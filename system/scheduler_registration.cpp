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

SchedulerPrompts MessageBoxPrompts(Companion& companion, const MessageCatalogue& catalogue,
                                   std::function<WindowHandle()> owner) {
    auto show = [&companion, &catalogue, owner](CatalogueEntry entry, std::uint32_t style) {
        return companion.ShowMessageBox(owner(), catalogue.Text(entry),
                                        catalogue.Text(CatalogueEntry::AppTitle), style);
    };
    return {[show] {
                return show(CatalogueEntry::SchedulerNotRunning, kMbQuestionYesNo) == kAnswerYes;
            },
            [show] { show(CatalogueEntry::SchedulerStartFailed, kMbInformation); }};
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

bool SaveWhileSchedulerRuns(TaskScheduler& scheduler, const ScheduledJob& job) {
    return scheduler.IsSchedulerRunning() && scheduler.SaveTask(job) == SaveOutcome::Saved;
}

SchedulerTaskRegistration::SchedulerTaskRegistration(TaskScheduler& scheduler,
                                                     std::wstring osFamily, TaskOwner owner,
                                                     SchedulerPrompts prompts,
                                                     std::function<void()> showNoticeIfWanted)
    : scheduler_(scheduler),
      osFamily_(std::move(osFamily)),
      owner_(std::move(owner)),
      prompts_(std::move(prompts)),
      showNoticeIfWanted_(std::move(showNoticeIfWanted)) {}

RegistrationResult SchedulerTaskRegistration::Register(const ScheduledTask& task) {
    if (!PrepareScheduler(scheduler_, osFamily_, prompts_)) return RegistrationResult::Unavailable;
    showNoticeIfWanted_();
    if (!SaveWhileSchedulerRuns(scheduler_, MakeScheduledJob(task, owner_))) {
        return RegistrationResult::Unavailable;
    }
    return RegistrationResult::Registered;
}

std::optional<ScheduledTask> SchedulerTaskRegistration::ReadRegistered() {
    ScheduledJob job;
    if (!scheduler_.ReadTask(ScheduledJobName(owner_.taskNameSuffix), job)) return std::nullopt;
    return TaskOfJob(job);
}

void SchedulerTaskRegistration::DeleteRegistered() {
    scheduler_.DeleteTask(ScheduledJobName(owner_.taskNameSuffix));
}

}  // namespace dusk
