#pragma once
#include <string>

#include "core/regional_formats.h"
#include "core/task_command.h"
#include "core/task_controller.h"
#include "core/task_view.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_companion.h"
#include "fakes/fake_countdown_runner.h"
#include "fakes/fake_logon_start.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_startup_shortcut.h"
#include "fakes/fake_task_registration.h"
#include "fakes/fixed_regions.h"
#include "fakes/memory_settings_store.h"
#include "fakes/recording_activity_log.h"
#include "fakes/recording_power_api.h"
#include "system/power_action_performer.h"

namespace dusk::test {

inline DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

// The task area with its controller over fakes, in an en-US region, on Christmas Eve 2016 at
// 21:05:09.300.
struct TaskFixture {
    FakeClock clock{At(2016, 12, 24, 21, 5, 9, 300)};
    RegionalFormats formats{FixedRegionSettings("en-US")};
    MessageCatalogue catalogue;
    MemorySettingsStore store;
    FakeCompanion companion;
    FakeTaskRegistration registration;
    FakeCountdownRunner countdown;
    FakeMainWindow mainWindow;
    FakeStartupShortcut shortcut;
    RecordingPowerApi powerApi;
    PowerActionPerformer power{powerApi};
    int mainWindowHandle = 0;
    MessageBoxUserPrompts prompts{companion, catalogue,
                                  [this] { return WindowHandle(&mainWindowHandle); }};
    CommandPrompts commandPrompts{prompts};  // the user's prompts while no command runs
    TaskRecord task;
    RecordingActivityLog log;
    FakeLogonStart logonStart;
    TaskStore taskStore{store, formats, L"C:\\Program Files\\Dusk Relay\\", logonStart};
    TaskView view{task, catalogue, formats, clock};
    TaskController controller{task,
                              view,
                              {clock, formats, catalogue, taskStore, commandPrompts, registration,
                               countdown, mainWindow, shortcut, power, log, L"windows10"}};

    // The task controls as "action x---- 11111 | trigger x-- 111 | inputs 100 00 00 | start
    // cancel": checked (x) and enabled (1) flags in design order, then the shown task buttons.
    std::string Describe() const;
    // The power calls that perform an action (ExitWindowsEx, SetSystemPowerState).
    std::vector<std::string> PowerCalls() const;
    // Value names of the settings key, and the Run value's data or "none".
    std::vector<std::wstring> StoredNames() const;
    std::wstring RunValue() const;
};

// The task controls' state in the no-task (and cancelled) view.
inline const std::string kNoTaskView =
    "action x---- 11111 | trigger x-- 111 | inputs 100 00 | start";

}  // namespace dusk::test
