#pragma once
#include <string_view>

#include "system/task_scheduler.h"

namespace dusk::win32 {

// Jobs of Task Scheduler 1.0 (ITaskScheduler work items). On the NT family each call first
// enables the security privilege. COM must be initialised on the calling thread.

// Deletes any job of the name, then creates and writes the new one.
SaveOutcome SaveWorkItem(const ScheduledJob& task, bool ntFamily);
// On failure the record's task name is cleared.
bool ReadWorkItem(std::wstring_view taskName, ScheduledJob& task, bool ntFamily);
bool DeleteWorkItem(std::wstring_view taskName, bool ntFamily);

}  // namespace dusk::win32
