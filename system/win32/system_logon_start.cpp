#include "system/win32/system_logon_start.h"

#include <utility>

#include "system/os_family.h"
#include "system/task_definition.h"
#include "system/win32/registered_task.h"

namespace dusk::win32 {

SystemLogonStart::SystemLogonStart(std::wstring osFamily, TaskOwner owner,
                                   ElevatedStartGuard& guard)
    : osFamily_(std::move(osFamily)), owner_(std::move(owner)), guard_(guard) {}

LogonStartOutcome SystemLogonStart::Register() {
    if (!IsVistaOrLaterFamily(osFamily_)) return LogonStartOutcome::NotAvailable;
    if (!guard_.ProgramProtected()) return LogonStartOutcome::Refused;
    const LogonTask task = MakeLogonTask(owner_);
    if (RegisterLogonTask(task)) return LogonStartOutcome::Registered;
    // What the scheduler kept of it would not start the program as intended.
    DeleteRegisteredTask(task.taskName);
    return LogonStartOutcome::NotKept;
}

void SystemLogonStart::Remove() { DeleteRegisteredTask(MakeLogonTask(owner_).taskName); }

}  // namespace dusk::win32
