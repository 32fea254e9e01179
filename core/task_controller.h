#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/settings_store.h"
#include "base/timer_model.h"
#include "core/activity_log.h"
#include "core/countdown.h"
#include "core/countdown_runner.h"
#include "core/main_window_host.h"
#include "core/message_catalogue.h"
#include "core/power_action.h"
#include "core/regional_formats.h"
#include "core/startup_shortcut.h"
#include "core/task_model.h"
#include "core/task_registration.h"
#include "core/task_view.h"
#include "core/user_prompts.h"

namespace dusk {

// Everything outside the task area that the controller uses.
struct TaskControllerServices {
    const Clock& clock;
    const RegionalFormats& formats;
    const MessageCatalogue& catalogue;
    SettingsStore& store;
    UserPrompts& prompts;  // over the main window
    TaskRegistration& registration;
    CountdownRunner& countdown;
    MainWindowHost& mainWindow;
    StartupShortcut& startupShortcut;
    PowerAction& power;
    ActivityLog& log;
    std::wstring osFamily;                    // from the companion library
    std::wstring programFolder;               // where DuskRelay.exe lives
};

constexpr std::uint32_t kWatchIntervalAtLoadMs = 60000;
constexpr std::uint32_t kWatchIntervalFarMs = 20000;       // daily time more than a minute away
constexpr std::uint32_t kWatchIntervalNearMs = 1000;       // within a minute, and at a daily start
constexpr std::uint32_t kWatchIntervalAfterDueMs = 60000;  // outlasts the 31-second countdown
constexpr std::uint32_t kClockIntervalMs = 1000;

// Drives the task area: the action and trigger choice, Start Task and Cancel Task, restoring a
// task at the first showing, the watch timer of a task kept by the program itself, the
// countdown and the power action, and the clock. The constructor connects the task controls'
// events to the handlers below; the window calls the button, timer and showing handlers.
class TaskController {
public:
    TaskController(TaskRecord& task, TaskView& view, TaskControllerServices services);
    TaskController(const TaskController&) = delete;
    TaskController& operator=(const TaskController&) = delete;

    TimerModel watchTimer{kWatchIntervalAtLoadMs};
    TimerModel clockTimer{kClockIntervalMs};
    // Runs at the first showing: the notice window reads its "Ignore" preference.
    std::function<void()> readNoticePreference;

    void OnActionClick(std::int32_t actionCode);
    void OnDailyClick();
    void OnSpecifiedClick();
    void OnFromNowClick();
    // Any picker or delay field changed.
    void OnTaskInputChange();
    void OnStartTaskClick();
    void OnCancelTaskClick();
    void OnWatchTimerTick();
    void OnClockTick();

    // The task part of the main window's showing; later showings change nothing.
    void OnFirstShow();
    // The system scheduler started the program (this process or another): the countdown for the
    // set task when it is due now. onDone runs once, after the countdown and any action, or at
    // once when no set task is due now.
    void OnScheduledStart(std::function<void()> onDone);
    // The refresh message from outside.
    void OnRefreshMessage() { view_.Refresh(); }

    // The local task kept in the settings store; true when one was restored.
    bool LoadStoredTask();
    // Keeps the chosen, checked task inside the program; false when it could not be stored.
    bool StartTaskLocally(std::int32_t actionCode);

private:
    // Checks one trigger box and enables only the inputs that belong to it.
    void ChooseTrigger(ImageCheckBox& box);
    // A new task is set: the view locks its inputs, offers Cancel Task and the window hides.
    void ShowTaskSet();
    DateTime Now() const { return services_.clock.Now(); }
    bool Ask(CatalogueEntry question);
    void Warn(CatalogueEntry warning);
    std::optional<ScheduledTask> ChosenTask(std::int32_t actionCode);
    bool CheckChosenInput();
    void ShowScheduledTaskSet(const ScheduledTask& scheduled);
    void ShowStoredTaskSet(ImageCheckBox& triggerBox);
    bool StoreRunValue();
    bool IsRegistrable(const ScheduledTask& chosen) const;
    bool RestoreScheduledTask();
    void RestoreAction(std::int32_t actionCode);
    std::wstring ActionName() const;
    void ShowRestoredSummary(CatalogueEntry entry, const std::wstring& shownTime);
    void ForgetStoredTask();
    // The countdown for the set task; onDone runs once it and any action are over.
    void RunCountdown(std::function<void()> onDone);
    void CountdownEnded(CountdownOutcome outcome, bool oneShot);
    void EndOneShotTask();

    TaskRecord& task_;
    TaskView& view_;
    TaskControllerServices services_;
    bool shown_ = false;
    bool counting_ = false;
    std::vector<std::function<void()>> countdownWaiters_;  // until the countdown has ended
    // The daily moment counted down last, so that no moment is counted down twice.
    std::optional<DateTime> lastDailyMoment_;
};

}  // namespace dusk
