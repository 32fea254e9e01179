#pragma once
#include <string>

#include "system/task_scheduler.h"

namespace dusk::win32 {

// The Windows Task Scheduler. Vista and later systems register through Task Scheduler 2.0 and
// keep a job only when it reads back as written; otherwise, and on older systems, through
// Task Scheduler 1.0. COM must be initialised on the GUI thread.
class SystemTaskScheduler : public TaskScheduler {
public:
    // The companion library's family word.
    explicit SystemTaskScheduler(std::wstring osFamily);

    SaveOutcome SaveTask(const ScheduledJob& task) override;
    bool ReadTask(std::wstring_view taskName, ScheduledJob& task) override;
    bool DeleteTask(std::wstring_view taskName) override;
    bool IsSchedulerRunning() override;
    bool StartScheduler() override;
    bool QueryServiceStartType(std::wstring_view serviceName, std::uint32_t& startType) override;
    bool SetServiceStartType(std::wstring_view serviceName, std::uint32_t startType) override;

private:
    std::wstring osFamily_;
    bool ntFamily_;
    bool taskService_;  // Task Scheduler 2.0 first
};

}  // namespace dusk::win32
