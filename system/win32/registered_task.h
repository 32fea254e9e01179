#pragma once
#include <optional>
#include <string_view>

#include "system/task_definition.h"
#include "system/task_scheduler.h"

namespace dusk::win32 {

// Jobs of Task Scheduler 2.0 (ITaskService) in the root folder. COM must be initialised on the
// calling thread.

// Registers the job's task definition for Administrators and the system only, after deleting any
// job of the name, and reads it back: true only when the scheduler holds the job as written. A job
// that reads back otherwise is left registered; the caller deletes it.
bool RegisterTask(const ScheduledJob& task);
// The same for the program's log-on task.
bool RegisterLogonTask(const LogonTask& task);
// Nothing when the job cannot be found or its definition not read.
std::optional<RegisteredTaskView> ReadRegisteredTask(std::wstring_view taskName);
bool DeleteRegisteredTask(std::wstring_view taskName);

}  // namespace dusk::win32
