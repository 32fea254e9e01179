#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/win32/registry_settings_store.h"
#include "base/win32/system_clock.h"
#include "base/win32/window_base.h"
#include "companion/win32/vimbly_companion.h"
#include "core/countdown.h"
#include "core/regional_formats.h"
#include "core/task_controller.h"
#include "core/task_model.h"
#include "core/task_view.h"
#include "shell/background_notice.h"
#include "shell/win32/countdown_window.h"
#include "shell/win32/countdown_window_runner.h"
#include "shell/win32/main_window.h"
#include "shell/win32/notice_window.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/startup_folder_shortcut.h"
#include "shell/win32/unavailable_task_registration.h"
#include "system/power_action_performer.h"
#include "system/win32/system_power_api.h"

namespace dusk::win32 {

// The composition root: the hidden top-level window that owns every window of the program, and
// the process-wide state they share. Windows are created once, hidden, in start-up order and
// live until the program ends.
class Application : public WindowBase {
public:
    Application();

    // Creates the windows, introduces them to the companion library and shows the main window;
    // false when a window cannot be created.
    bool Start();
    // The message loop, until the program quits; answers the exit code.
    int Run();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    MainWindowEvents MainWindowEventsFor();
    TaskControllerServices ControllerServices(const OsInfo& os);

    // Process-wide state the windows read when they need it.
    TaskRecord task_;
    CountdownState countdownState_;
    std::uint8_t skinCode_ = 1;  // preset before the companion library reports the user's skin
    SystemClock clock_;
    RegionalFormats formats_;
    RegistrySettingsStore settings_;
    VimblyCompanion companion_;
    BackgroundNotice notice_;

    ResourceWindow resources_;
    TaskView taskView_;
    MainWindow mainWindow_;
    CountdownWindow countdownWindow_;
    NoticeWindow noticeWindow_;

    // The task controller's services that have no window of their own.
    UnavailableTaskRegistration registration_;
    CountdownWindowRunner countdownRunner_{countdownWindow_};
    StartupFolderShortcut startupShortcut_;
    SystemPowerApi powerApi_;
    PowerActionPerformer power_{powerApi_};
    std::optional<TaskController> controller_;  // once the main window exists
};

}  // namespace dusk::win32
