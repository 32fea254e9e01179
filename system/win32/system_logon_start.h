#pragma once
#include <string>

#include "core/logon_start.h"
#include "system/program_protection.h"
#include "system/scheduled_job.h"

namespace dusk::win32 {

// The log-on start as a Task Scheduler 2.0 task of the program's user, kept only when it reads
// back as written. COM must be initialised on the calling thread.
class SystemLogonStart : public LogonStart {
public:
    SystemLogonStart(std::wstring osFamily, TaskOwner owner, ElevatedStartGuard& guard);

    LogonStartOutcome Register() override;
    void Remove() override;

private:
    std::wstring osFamily_;
    TaskOwner owner_;
    ElevatedStartGuard& guard_;
};

}  // namespace dusk::win32
