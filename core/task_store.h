#pragma once
#include <cstdint>
#include <string>

#include "base/settings_store.h"
#include "core/logon_start.h"
#include "core/regional_formats.h"
#include "core/task_model.h"

namespace dusk {

// A task kept inside the program, as the settings store holds it.
struct StoredTask {
    TriggerKind trigger = TriggerKind::None;
    TaskAction action = TaskAction::ShutDown;
    TimeOfDay dailyTime;  // daily
    DateTime due;         // specified and from now; kept to the second
    // From now: the delay fields' texts as they stood.
    std::wstring delayHoursText;
    std::wstring delayMinutesText;
    // False when the stored time does not read back with the regional settings of today.
    bool readable = true;
};

// The action codes of the stored "AdjustInfo" value: 0 shut down, 1 log off, 2 stand by,
// 3 hibernate, 4 stand by too (older values), 5 restart; -1 when no action is stored.
std::int32_t StoredActionCode(TaskAction action);
TaskAction ActionOfStoredCode(std::int32_t code);

// The one owner of the task's stored values, of the Run value that starts the program at log-on
// while a daily or specified task is kept, and of the log-on start that does so under User
// Account Control. Times are stored as texts in the regional forms: a daily time in the long
// time form, a specified moment in the date-time form, a from-now moment in the default form.
class TaskStore {
public:
    TaskStore(SettingsStore& store, const RegionalFormats& formats, std::wstring programFolder,
              LogonStart& logonStart);

    // The daily, else the specified, else the from-now task; trigger None when none is kept.
    StoredTask Load() const;
    // False when a value could not be written; nothing of the task is kept then.
    bool Save(const StoredTask& task);
    // False when a value is still there afterwards. The log-on start goes too.
    bool Clear();
    // For a daily or specified task just saved: the system starts the program at log-on.
    LogonStartOutcome StartAtLogon() { return logonStart_.Register(); }

private:
    SettingsStore& store_;
    const RegionalFormats& formats_;
    std::wstring programFolder_;
    LogonStart& logonStart_;
};

}  // namespace dusk
