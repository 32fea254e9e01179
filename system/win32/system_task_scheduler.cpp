#include "system/win32/system_task_scheduler.h"

#include <optional>

#include "system/os_family.h"
#include "system/task_definition.h"
#include "system/win32/registered_task.h"
#include "system/win32/scheduler_service.h"
#include "system/win32/work_item.h"

namespace dusk::win32 {

SystemTaskScheduler::SystemTaskScheduler(std::wstring osFamily)
    : osFamily_(std::move(osFamily)),
      ntFamily_(IsNtFamily(osFamily_)),
      taskService_(IsVistaOrLaterFamily(osFamily_)) {}

SaveOutcome SystemTaskScheduler::SaveTask(const ScheduledJob& task) {
    if (taskService_) {
        if (RegisterTask(task)) return SaveOutcome::Saved;
        // Whatever 2.0 kept of a job that does not read back as written would never run as
        // intended: it goes, and 1.0 registers the job instead.
        DeleteRegisteredTask(task.taskName);
    }
    return SaveWorkItem(task, ntFamily_);
}

bool SystemTaskScheduler::ReadTask(std::wstring_view taskName, ScheduledJob& task) {
    if (taskService_) {
        const std::optional<RegisteredTaskView> view = ReadRegisteredTask(taskName);
        if (view && FillFromRegisteredTask(*view, task)) {
            task.taskName = taskName;
            return true;
        }
    }
    return ReadWorkItem(taskName, task, ntFamily_);
}

bool SystemTaskScheduler::DeleteTask(std::wstring_view taskName) {
    const bool deletedRegistered = taskService_ && DeleteRegisteredTask(taskName);
    const bool deletedWorkItem = DeleteWorkItem(taskName, ntFamily_);
    return deletedRegistered || deletedWorkItem;
}

bool SystemTaskScheduler::IsSchedulerRunning() { return win32::IsSchedulerRunning(osFamily_); }

bool SystemTaskScheduler::StartScheduler() { return win32::StartScheduler(osFamily_); }

bool SystemTaskScheduler::QueryServiceStartType(std::wstring_view serviceName,
                                                std::uint32_t& startType) {
    return win32::QueryServiceStartType(serviceName, startType);
}

bool SystemTaskScheduler::SetServiceStartType(std::wstring_view serviceName,
                                              std::uint32_t startType) {
    return win32::SetServiceStartType(serviceName, startType);
}

}  // namespace dusk::win32
