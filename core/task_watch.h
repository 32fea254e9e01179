#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "base/timer_model.h"
#include "core/activity_log.h"
#include "core/countdown_runner.h"
#include "core/main_window_host.h"
#include "core/postponement.h"
#include "core/power_action.h"
#include "core/task_model.h"
#include "core/task_registration.h"
#include "core/task_store.h"
#include "core/task_view.h"

namespace dusk {

constexpr std::uint32_t kWatchIntervalAtLoadMs = 60000;
constexpr std::uint32_t kWatchIntervalFarMs = 20000;  // daily time more than a minute away
constexpr std::uint32_t kWatchIntervalNearMs = 1000;  // within a minute, and at a daily start

struct TaskWatchServices {
    const Clock& clock;
    CountdownRunner& countdown;
    PowerAction& power;
    MainWindowHost& mainWindow;
    TaskRegistration& registration;
    TaskStore& taskStore;
    ActivityLog& log;
};

// Watches for the due moment of a task kept inside the program, takes the scheduler's starts,
// and runs the countdown and the action: one countdown at a time, one per moment.
class TaskWatch {
public:
    TaskWatch(TaskRecord& task, TaskView& view, TaskWatchServices services);
    TaskWatch(const TaskWatch&) = delete;
    TaskWatch& operator=(const TaskWatch&) = delete;

    TimerModel watchTimer{kWatchIntervalAtLoadMs};

    // Starts watching the task's moment; the pace follows the trigger.
    void Watch(TriggerKind trigger);
    void StopWatching() {
        watchTimer.SetEnabled(false);
        movedDailyMoment_.reset();
        skippedDailyMoment_.reset();
        watchesOwnMoment_ = false;
    }

    void OnWatchTimerTick();
    // The system scheduler started the program: the countdown for the set task when it is due
    // now. onDone runs once, after the countdown and any action, or at once when no set task is
    // due now.
    void OnScheduledStart(std::function<void()> onDone);
    // Moves the set task to minutes after `from` (now, or the moment at hand while it is still
    // ahead) without performing it: a one-shot task is set again like a new one, a daily task's
    // current occurrence only is moved, and one still ahead is skipped. False when the task
    // could not be held at its new moment (it stays as it was).
    bool Postpone(int minutes, DateTime from);
    bool Postpone(int minutes) { return Postpone(minutes, Now()); }
    // A daily occurrence moved by a postponement, counted down by the watch.
    std::optional<DateTime> MovedDailyMoment() const { return movedDailyMoment_; }
    // The moment the latest postponement chose, once: the early warning takes it as known.
    std::optional<DateTime> TakePostponedMoment() { return std::exchange(postponedMoment_, {}); }

private:
    DateTime Now() const { return services_.clock.Now(); }
    // The countdown for the set task; onDone runs once it and any action are over.
    void RunCountdown(std::function<void()> onDone);
    void CountdownEnded(CountdownOutcome outcome, bool oneShot);
    // Logs the system's answer; a failure is logged as such.
    void PerformAction();
    void EndOneShotTask();

    TaskRecord& task_;
    TaskView& view_;
    TaskWatchServices services_;
    bool counting_ = false;
    std::vector<std::function<void()>> countdownWaiters_;  // until the countdown has ended
    // The daily moment counted down last, so that no moment is counted down twice.
    std::optional<DateTime> lastDailyMoment_;
    std::optional<DateTime> movedDailyMoment_;
    // A daily occurrence a postponement replaced before it came: neither the watch nor a
    // scheduled start counts it down.
    std::optional<DateTime> skippedDailyMoment_;
    std::optional<DateTime> postponedMoment_;
    // The task is kept inside the program, so the watch counts its own moments down too.
    bool watchesOwnMoment_ = false;
};

}  // namespace dusk
