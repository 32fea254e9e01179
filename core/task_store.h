#pragma once
#include <cstdint>
#include <string>

#include "base/settings_store.h"
#include "core/logon_start.h"
#include "core/task_model.h"

namespace dusk {

// A task kept inside the program as the settings store holds it: its times are texts in the
// regional forms that wrote them.
struct StoredTask {
    TriggerKind trigger = TriggerKind::None;
    std::int32_t actionCode = kActionShutDown;  // -1 when stored as anything but an integer
    std::wstring timeText;   // daily: long time; specified: date-time; from now: default form
    std::wstring delayText;  // from now: the delay fields' texts as "hours|minutes"
};

// The one owner of the task's stored values, of the Run value that starts the program at log-on
// while a daily or specified task is kept, and of the log-on start that does so under User
// Account Control.
class TaskStore {
public:
    TaskStore(SettingsStore& store, std::wstring programFolder, LogonStart& logonStart);

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
    std::wstring programFolder_;
    LogonStart& logonStart_;
};

}  // namespace dusk
