#include "core/task_watch.h"

#include <string>
#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

// A daily time further away than this is watched at the slow pace.
constexpr int kNearDailySeconds = 60;

}  // namespace

TaskWatch::TaskWatch(TaskRecord& task, TaskView& view, TaskWatchServices services)
    : task_(task), view_(view), services_(services) {
    watchTimer.onTimer = [this] { OnWatchTimerTick(); };
}

void TaskWatch::Watch(TriggerKind trigger) {
    lastDailyMoment_.reset();
    movedDailyMoment_.reset();
    skippedDailyMoment_.reset();
    watchesOwnMoment_ = true;
    watchTimer.SetInterval(trigger == TriggerKind::Daily ? kWatchIntervalNearMs
                                                         : kWatchIntervalAtLoadMs);
    watchTimer.SetEnabled(true);
}

void TaskWatch::OnWatchTimerTick() {
    if (movedDailyMoment_ && MillisecondsBetween(*movedDailyMoment_, Now()) <= kDueWindowMs) {
        movedDailyMoment_.reset();
        // A registered daily task's own moments are the scheduler's to start.
        if (!watchesOwnMoment_) StopWatching();
    } else if (!watchesOwnMoment_) {
        return;
    } else if (task_.trigger == TriggerKind::Daily) {
        const int ahead = DailySecondsAhead(task_.dailyTime, Now());
        watchTimer.SetInterval(ahead > kNearDailySeconds ? kWatchIntervalFarMs
                                                         : kWatchIntervalNearMs);
        if (!IsTaskDue(task_, Now())) return;
        // Each day's moment gets one countdown, however it ends.
        const auto moment = TaskMomentNear(task_, Now());
        if (moment == lastDailyMoment_ || moment == skippedDailyMoment_) return;
        lastDailyMoment_ = moment;
    } else {
        if (!IsTaskDue(task_, Now())) return;
        // A one-shot task never falls due again while the countdown is open.
        watchTimer.SetEnabled(false);
    }
    services_.mainWindow.Minimize();
    RunCountdown(nullptr);
}

void TaskWatch::OnScheduledStart(std::function<void()> onDone) {
    services_.log.Record(L"scheduled start received");
    // A start that matches no task due now (none set, a job left from before, a run long
    // after its moment) performs nothing.
    if (!IsScheduledStartDue(task_, Now())) {
        services_.log.Record(L"scheduled start matches no task due now: nothing performed");
        if (onDone) onDone();
        return;
    }
    if (task_.trigger == TriggerKind::Daily) {
        const auto moment = TaskMomentNear(task_, Now());
        if (moment == skippedDailyMoment_) {
            services_.log.Record(L"scheduled start for a postponed occurrence: nothing performed");
            if (onDone) onDone();
            return;
        }
        // The watch timer must not count the same moment down again.
        lastDailyMoment_ = moment;
    }
    RunCountdown(std::move(onDone));
}

void TaskWatch::RunCountdown(std::function<void()> onDone) {
    if (onDone) countdownWaiters_.push_back(std::move(onDone));
    // The countdown already showing decides for the task; its end ends every wait.
    if (counting_) return;
    counting_ = true;
    const bool oneShot = IsOneShot(task_.trigger);
    services_.log.Record(L"countdown shown for " + std::wstring(ActionKeyword(task_.action)));
    services_.countdown.Start(task_.action, [this, oneShot](CountdownOutcome outcome) {
        counting_ = false;
        CountdownEnded(outcome, oneShot);
        for (const auto& waiter : std::exchange(countdownWaiters_, {})) waiter();
    });
}

void TaskWatch::CountdownEnded(CountdownOutcome outcome, bool oneShot) {
    switch (outcome) {
        case CountdownOutcome::RanOut:
            services_.log.Record(L"countdown ran out");
            // A daily task stays set for the next day.
            if (oneShot) {
                EndOneShotTask();
                task_.status = TaskStatus::Ended;
            }
            PerformAction();
            break;
        case CountdownOutcome::Cancelled:
            services_.log.Record(L"countdown cancelled");
            if (!oneShot) break;
            EndOneShotTask();
            task_.status = TaskStatus::Ended;
            services_.mainWindow.Restore();
            break;
        case CountdownOutcome::Interrupted:
            services_.log.Record(L"countdown interrupted: nothing performed");
            break;
        case CountdownOutcome::Postponed:
            if (!Postpone(services_.countdown.PostponedMinutes()) && oneShot) {
                // The moment has passed and could not be moved: nothing is left to act on.
                EndOneShotTask();
                task_.status = TaskStatus::Ended;
            }
            services_.mainWindow.Restore();
            break;
    }
}

bool TaskWatch::Postpone(int minutes, DateTime from) {
    const auto plan = PlanPostponement(task_, from, minutes);
    if (!plan || !IsTaskSet(task_.status)) return false;
    const std::wstring keyword(ActionKeyword(task_.action));
    if (plan->trigger == TriggerKind::Daily) {
        // Postponed before it came, the day's own occurrence gives way to the moved one.
        if (!movedDailyMoment_ && Now() < from) skippedDailyMoment_ = from;
        movedDailyMoment_ = plan->due;
        postponedMoment_ = plan->due;
        watchTimer.SetInterval(kWatchIntervalNearMs);
        watchTimer.SetEnabled(true);
        services_.log.Record(L"task postponed, " + keyword + L" due " + FormatIso(plan->due) +
                             L"; the daily time stays");
        return true;
    }
    // Held where it was held before: a registered task is registered again.
    if (services_.registration.ReadRegistered()) {
        if (services_.registration.Register(plan->job) != RegistrationResult::Registered) {
            services_.log.Record(L"postpone failed: the task could not be registered again");
            return false;
        }
    } else {
        if (!services_.taskStore.Save(plan->stored)) {
            services_.log.Record(L"postpone failed: the task could not be saved");
            return false;
        }
        watchTimer.SetInterval(kWatchIntervalAtLoadMs);
        watchTimer.SetEnabled(true);
    }
    // Kept to the second, as the store keeps it.
    task_.due = plan->due.WholeSecond();
    postponedMoment_ = task_.due;
    view_.UpdateTaskSummary();
    services_.log.Record(L"task postponed, " + keyword + L" due " + FormatIso(plan->due));
    return true;
}

void TaskWatch::PerformAction() {
    if (task_.action == TaskAction::None) {
        services_.log.Record(L"no action stored: nothing performed");
        return;
    }
    services_.log.Record(PowerActionLogLine(task_.action, services_.power.Perform(task_.action)));
}

void TaskWatch::EndOneShotTask() {
    // A job or stored value that stays behind is long past and acts on nothing.
    if (!services_.registration.DeleteRegistered()) services_.log.Record(L"job left behind");
    if (!services_.taskStore.Clear()) services_.log.Record(L"stored task left behind");
    task_.trigger = TriggerKind::None;
    watchTimer.SetEnabled(false);
    view_.Reset();
}

}  // namespace dusk
