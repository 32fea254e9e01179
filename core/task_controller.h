#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/clock.h"
#include "base/settings_store.h"
#include "base/timer_model.h"
#include "core/activity_log.h"
#include "core/countdown_runner.h"
#include "core/early_warning.h"
#include "core/main_window_host.h"
#include "core/message_catalogue.h"
#include "core/power_action.h"
#include "core/regional_formats.h"
#include "core/startup_shortcut.h"
#include "core/task_choice.h"
#include "core/task_model.h"
#include "core/task_registration.h"
#include "core/task_restore.h"
#include "core/task_starter.h"
#include "core/task_view.h"
#include "core/task_watch.h"
#include "core/user_prompts.h"

namespace dusk {

// Everything outside the task area that the task's parts use.
struct TaskControllerServices {
    const Clock& clock;
    const RegionalFormats& formats;
    const MessageCatalogue& catalogue;
    TaskStore& taskStore;
    UserPrompts& prompts;  // over the main window
    TaskRegistration& registration;
    CountdownRunner& countdown;
    MainWindowHost& mainWindow;
    StartupShortcut& startupShortcut;
    PowerAction& power;
    ActivityLog& log;
    std::wstring osFamily;  // from the companion library
};

constexpr std::uint32_t kClockIntervalMs = 1000;

// The task area's parts, each given only the services it uses, behind the handlers the window
// calls: the choice of action and trigger, Start Task and Cancel Task, the first showing, the
// watch for the due moment with the countdown, and the clock.
class TaskController {
public:
    TaskController(TaskRecord& task, TaskView& view, const TaskControllerServices& services);
    TaskController(const TaskController&) = delete;
    TaskController& operator=(const TaskController&) = delete;

    TimerModel& watchTimer;
    TimerModel clockTimer{kClockIntervalMs};
    std::function<void()>& readNoticePreference;
    // What shows the early warning.
    std::function<void(const std::wstring& text)> onEarlyWarning;

    void OnActionClick(TaskAction action) { choice_.OnActionClick(action); }
    void OnDailyClick() { choice_.OnDailyClick(); }
    void OnSpecifiedClick() { choice_.OnSpecifiedClick(); }
    void OnFromNowClick() { choice_.OnFromNowClick(); }
    void OnStartTaskClick() { starter_.OnStartTaskClick(); }
    void OnCancelTaskClick() { starter_.OnCancelTaskClick(); }
    // Each second: the clock, the early warning when the set task's moment is that near, and
    // whether the main window offers Postpone.
    void OnClockTick();
    // Postpone from the main window (after the early warning): the moment at hand moves to
    // minutes after itself, or after now once it has come.
    bool OnPostpone(int minutes);
    // The lead time shown in the view is the stored one; the user's choice is stored at once and
    // the next tick uses it.
    void BindWarningLead(SettingsStore& store);
    // The task part of the main window's showing; later showings change nothing.
    void OnFirstShow();
    // The system scheduler started the program (this process or another): the countdown for the
    // set task when it is due now. onDone runs once, after the countdown and any action, or at
    // once when no set task is due now.
    void OnScheduledStart(std::function<void()> onDone) {
        watch_.OnScheduledStart(std::move(onDone));
    }
    // The refresh message from outside.
    void OnRefreshMessage() { view_.Refresh(); }

private:
    // The moment the task acts on next: a moved daily occurrence, or the task's own.
    std::optional<DateTime> MomentAtHand(DateTime now) const;
    // Postpone is offered while the moment at hand was warned of and is not yet due.
    void UpdatePostponeChoice(DateTime now);
    void NotePostponedMoment(DateTime now);

    TaskView& view_;
    const Clock& clock_;
    const RegionalFormats& formats_;
    TaskChoice choice_;
    TaskWatch watch_;
    TaskStarter starter_;
    TaskRestorer restorer_;
    const TaskRecord& task_;
    ActivityLog& log_;
    EarlyWarning warning_;
};

}  // namespace dusk
