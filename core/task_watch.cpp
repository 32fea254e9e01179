#include "core/task_watch.h"

#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

// A daily time further away than this is watched at the slow pace.
constexpr int kNearDailySeconds = 60;

}  // namespace

TaskWatch::TaskWatch(TaskRecord& task, TaskView& view, TaskWatchServices services)
    : task_(task), view_(view), services_(services) {
    watchTimer.OnTimer = [this] { OnWatchTimerTick(); };
}

void TaskWatch::Watch(TriggerKind trigger) {
    lastDailyMoment_.reset();
    watchTimer.SetInterval(trigger == TriggerKind::Daily ? kWatchIntervalNearMs
                                                         : kWatchIntervalAtLoadMs);
    watchTimer.SetEnabled(true);
}

void TaskWatch::OnWatchTimerTick() {
    if (task_.trigger == TriggerKind::Daily) {
        const int ahead = DailySecondsAhead(task_.dailyTimeText, Now(), services_.formats);
        watchTimer.SetInterval(ahead > kNearDailySeconds ? kWatchIntervalFarMs
                                                         : kWatchIntervalNearMs);
        if (!IsTaskDue(task_, Now(), services_.formats)) return;
        // Each day's moment gets one countdown, however it ends.
        const auto moment = TaskMomentNear(task_, Now(), services_.formats);
        if (moment == lastDailyMoment_) return;
        lastDailyMoment_ = moment;
    } else {
        if (!IsTaskDue(task_, Now(), services_.formats)) return;
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
    if (!IsScheduledStartDue(task_, Now(), services_.formats)) {
        services_.log.Record(L"scheduled start matches no task due now: nothing performed");
        if (onDone) onDone();
        return;
    }
    if (task_.trigger == TriggerKind::Daily) {
        // The watch timer must not count the same moment down again.
        lastDailyMoment_ = TaskMomentNear(task_, Now(), services_.formats);
    }
    RunCountdown(std::move(onDone));
}

void TaskWatch::RunCountdown(std::function<void()> onDone) {
    if (onDone) countdownWaiters_.push_back(std::move(onDone));
    // The countdown already showing decides for the task; its end ends every wait.
    if (counting_) return;
    counting_ = true;
    const bool oneShot = IsOneShot(task_.trigger);
    services_.log.Record(L"countdown shown for " + std::wstring(ActionKeyword(task_.actionCode)));
    services_.countdown.Start(task_.actionCode, [this, oneShot](CountdownOutcome outcome) {
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
            services_.power.Perform(task_.actionCode);
            services_.log.Record(L"action performed: " +
                                 std::wstring(ActionKeyword(task_.actionCode)));
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
    }
}

void TaskWatch::EndOneShotTask() {
    // A job or stored value that stays behind is long past and acts on nothing.
    if (!services_.registration.DeleteRegistered()) services_.log.Record(L"job left behind");
    if (!services_.taskStore.Clear()) services_.log.Record(L"stored task left behind");
    task_.trigger = TriggerKind::None;
    task_.fromNowDueText.clear();
    watchTimer.SetEnabled(false);
    view_.Reset();
}

}  // namespace dusk
