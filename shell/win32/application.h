#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/win32/registry_settings_store.h"
#include "base/win32/system_clock.h"
#include "base/win32/window_base.h"
#include "companion/win32/vimbly_companion.h"
#include "core/activity_log.h"
#include "core/countdown.h"
#include "core/regional_formats.h"
#include "core/scheduled_starts.h"
#include "core/start_request.h"
#include "core/task_command.h"
#include "core/task_controller.h"
#include "core/task_model.h"
#include "core/task_view.h"
#include "core/win32/file_activity_log.h"
#include "core/win32/instance_block.h"
#include "shell/background_notice.h"
#include "shell/skin_selection.h"
#include "shell/tray_menu.h"
#include "shell/win32/countdown_window.h"
#include "shell/win32/main_window.h"
#include "shell/win32/notice_window.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/startup_folder_shortcut.h"
#include "shell/win32/tray_icon.h"
#include "shell/win32/tray_popup_menu.h"
#include "system/power_action_performer.h"
#include "system/scheduler_registration.h"
#include "system/win32/program_files_security.h"
#include "system/win32/system_logon_start.h"
#include "system/win32/system_task_scheduler.h"

namespace dusk::win32 {

// Performs the task's action and remembers whether it ends the session.
class SessionWatchingAction : public PowerAction {
public:
    explicit SessionWatchingAction(PowerAction& action) : action_(action) {}
    std::uint32_t Perform(TaskAction action) override;
    bool SessionEnding() const { return sessionEnding_; }

private:
    PowerAction& action_;
    bool sessionEnding_ = false;
};

// The composition root: the hidden top-level window that owns every window of the program and
// hosts the notification-area icon, and the process-wide state the windows share. Windows are
// created once, hidden, in start-up order and live until the program ends.
class Application : public WindowBase {
public:
    enum class StartResult {
        Running,       // the first instance: its windows are up
        AwaitingDone,  // the first instance counts this scheduled start down: run until done
        HandedOff,     // nothing left to do
        Failed,
        CommandDone,  // a command from the command line was answered: end with its code
    };

    // The power calls go through `power`: the system's in the program.
    explicit Application(PowerApi& power);

    // Hands a start over to a running instance, or creates the main window, introduces it to
    // the companion library and shows it; the other windows follow its first paint.
    StartResult Start();
    // The message loop, until the program quits or, for a start handed over, the first instance
    // says its countdown is over or ends; answers the exit code.
    int Run();
    // After CommandDone: the command's exit code.
    int CommandExitCodeValue() const { return static_cast<int>(commandExitCode_); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Posted to itself once the main window's first showing has finished.
    static constexpr UINT kFirstShowDoneMessage = WM_APP + 1;

    // Runs the countdown of the set task, and `onDone` once it and any action are over.
    void CountDownScheduledStart(std::function<void()> onDone);
    void OnScheduledStartHandedOver(InstanceWindow waiter);
    // The scheduler started this process and the countdown is over: the process ends, leaving an
    // ordinary instance in the notification area unless the program was closed or the action
    // ends the session.
    void OnOwnScheduledStartDone();
    void StartOrdinaryInstance();
    // The log's lines about this start and the instance block.
    void RecordStart(const std::wstring& arguments);
    // Waits for the first instance that took this process's scheduled start.
    void AwaitFirstInstance(InstanceWindow mainWindow);
    MainWindowEvents MainWindowEventsFor();
    SkinTargets SkinTargetsFor();
    // Creates the main window hidden, starts the companion library, applies the skin it
    // reports and introduces the window to it.
    std::optional<OsInfo> CreateMainWindow();
    // The resource, countdown and notice windows, which the main window's first paint does not
    // need: made hidden once it has painted (or before a command needs them) and introduced to
    // the companion library in that order. Answers whether they exist.
    bool CreateLaterWindows();
    void ConnectServices(const OsInfo& os);
    void ReportUnprotectedProgram(const std::wstring& path);
    // A command from the command line: answered here, handed to the first instance, or carried
    // out without a window.
    StartResult StartCommand();
    StartResult CarryOutCommand();
    // The outcome on standard output or standard error, in the log and, unless quiet, in a box.
    void ReportCommand(const CommandResult& result);
    // A command handed over by a later process.
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);

    const std::wstring programPath_;    // this program's image
    const std::wstring programFolder_;  // with its trailing separator
    const std::vector<std::wstring> arguments_;
    const StartRequest startRequest_;
    bool closing_ = false;  // the program was asked to end
    bool laterWindowsMade_ = false;
    SystemClock clock_;
    FileActivityLog activityLog_;
    CommandExitCode commandExitCode_ = CommandExitCode::Done;
    std::wstring commandAnswer_;        // the first instance's answer to a handed-over command
    NamedInstanceBlock instanceBlock_;  // opened before anything else, kept for the process
    WindowMessenger messenger_;
    HandOff handOff_;
    UniqueHandle firstInstanceProcess_;  // while it counts this process's start down

    // Process-wide state the windows read when they need it.
    TaskRecord task_;
    std::uint8_t skinCode_ = 1;  // preset before the companion library reports the user's skin
    RegionalFormats formats_;
    RegistrySettingsStore settings_;
    VimblyCompanion companion_;
    BackgroundNotice notice_;

    ResourceWindow resources_;
    TaskView taskView_;
    MainWindow mainWindow_;
    CountdownWindow countdownWindow_;
    NoticeWindow noticeWindow_;

    StartupFolderShortcut startupShortcut_;
    PowerApi& powerApi_;
    PowerActionPerformer performer_{powerApi_};
    SessionWatchingAction power_{performer_};
    ScheduledStarts scheduledStarts_;
    // Once the companion library has told the operating-system family and the main window exists.
    std::optional<SystemTaskScheduler> scheduler_;
    SystemProgramFilesSecurity programFiles_{programFolder_};
    ElevatedStartGuard elevatedStartGuard_;
    std::optional<SystemLogonStart> logonStart_;
    std::optional<TaskStore> taskStore_;
    std::optional<SchedulerTaskRegistration> registration_;
    std::optional<TaskController> controller_;
    std::optional<TaskCommands> commands_;

    MessageBoxUserPrompts prompts_;  // over the main window
    CommandPrompts commandPrompts_{prompts_};
    TrayPopupMenu trayMenu_{TrayMenuItems()};
    TrayPopupMenu postponeMenu_{PostponeMenuItems()};
    TrayPopupMenu warnMinutesMenu_{WarnMinutesMenuItems(kDefaultWarnMinutes)};
    TrayMenuCommands trayCommands_;
    SkinSelector skins_;
    TrayIcon trayIcon_;  // goes before the window it lives on
};

// The program's whole run over `power`: sets up the common controls, starts the application
// and runs it. Answers the process exit code: 0 after a hand-off, 1 when the start failed, a
// command's own code after a command.
int RunApplication(PowerApi& power);

}  // namespace dusk::win32
