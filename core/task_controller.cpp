#include "core/task_controller.h"

#include <cstdlib>
#include <utility>

#include "core/placeholder_text.h"
#include "core/stored_settings.h"
#include "core/task_checks.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

bool IsChecked(const ImageCheckBox& box) { return box.Status() == CheckBoxStatus::Checked; }

// A daily time further away than this is watched at the slow pace.
constexpr int kNearDailySeconds = 60;

}  // namespace

TaskController::TaskController(TaskRecord& task, TaskView& view, TaskControllerServices services)
    : task_(task), view_(view), services_(std::move(services)) {
    TaskControls& c = view_.controls;
    const auto radios = c.ActionRadios();
    for (std::size_t code = 0; code < radios.size(); ++code) {
        radios[code]->OnClick = [this, code] { OnActionClick(static_cast<std::int32_t>(code)); };
    }
    c.dailyBox.OnClick = [this] { OnDailyClick(); };
    c.specifiedBox.OnClick = [this] { OnSpecifiedClick(); };
    c.fromNowBox.OnClick = [this] { OnFromNowClick(); };
    for (DateTimePickerModel* picker :
         {&c.dailyTimePicker, &c.specifiedDatePicker, &c.specifiedTimePicker}) {
        picker->OnChange = [this] { OnTaskInputChange(); };
    }
    for (DigitFieldModel* field : {&c.delayHoursField, &c.delayMinutesField}) {
        field->OnChange = [this] { OnTaskInputChange(); };
    }
    watchTimer.OnTimer = [this] { OnWatchTimerTick(); };
    clockTimer.OnTimer = [this] { OnClockTick(); };
}

void TaskController::OnActionClick(std::int32_t actionCode) {
    if (!FindAction(actionCode)) return;
    view_.ClearActionChoice();
    view_.controls.ActionRadios()[static_cast<std::size_t>(actionCode)]->SetStatus(
        CheckBoxStatus::Checked);
    view_.UpdateTaskSummary();
}

void TaskController::ChooseTrigger(ImageCheckBox& box) {
    TaskControls& c = view_.controls;
    view_.ClearTriggerChoice();
    box.SetStatus(CheckBoxStatus::Checked);
    const bool specified = &box == &c.specifiedBox;
    const bool fromNow = &box == &c.fromNowBox;
    c.dailyTimePicker.SetEnabled(&box == &c.dailyBox);
    c.specifiedDatePicker.SetEnabled(specified);
    c.specifiedTimePicker.SetEnabled(specified);
    c.delayHoursField.SetEnabled(fromNow);
    c.delayMinutesField.SetEnabled(fromNow);
    c.delayHoursUpDown.SetEnabled(fromNow);
    c.delayMinutesUpDown.SetEnabled(fromNow);
}

void TaskController::OnDailyClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.dailyBox);
    c.dailyTimePicker.SetValue(WithTimeOfDay(c.dailyTimePicker.Value(), kDefaultPickerTimeOfDayMs));
    view_.UpdateTaskSummary();
}

void TaskController::OnSpecifiedClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.specifiedBox);
    c.specifiedDatePicker.SetValue(Now());
    view_.UpdateTaskSummary();
}

void TaskController::OnFromNowClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.fromNowBox);
    c.delayHoursField.SetText(L"1");
    c.delayMinutesField.SetText(L"0");
    view_.UpdateTaskSummary();
}

void TaskController::OnTaskInputChange() { view_.UpdateTaskSummary(); }

void TaskController::OnStartTaskClick() {
    if (!Ask(CatalogueEntry::ConfirmStartTask)) return;
    view_.DisableActionChoice();
    const std::int32_t actionCode = CheckedActionCode(view_.controls);
    // The input is checked before the scheduler is asked, so either way of running the task
    // rejects it alike and the scheduler is never started for a task that cannot run.
    if (!ChosenTask(actionCode) || !CheckChosenInput()) {
        view_.EnableActionChoice();
        return;
    }
    task_.actionCode = actionCode;
    const bool schedulerReady = services_.registration.Prepare();
    // The user may have taken a while over the prompts: the moment counts from their answer,
    // and a specified moment that has passed meanwhile is refused.
    const auto chosen = ChosenTask(actionCode);
    if (!CheckChosenInput()) {
        view_.EnableActionChoice();
        return;
    }
    if (schedulerReady && IsRegistrable(*chosen)) {
        switch (services_.registration.Register(*chosen)) {
            case RegistrationResult::Registered:
                services_.log.Record(L"task set by " + services_.registration.Method() + L", " +
                                     std::wstring(ActionKeyword(actionCode)) + L" due " +
                                     FormatIso(chosen->start));
                ShowScheduledTaskSet(*chosen);
                view_.SetTaskIndicator(kIndicatorTaskSet,
                                       services_.catalogue.Text(CatalogueEntry::TaskAssignedHint));
                return;
            case RegistrationResult::Rejected:
                view_.Reset();
                return;
            case RegistrationResult::Unavailable:
                break;
        }
    }
    // A job left from before would act beside the local task.
    if (!services_.registration.DeleteRegistered() || !StartTaskLocally(actionCode)) {
        services_.log.Record(L"task not set: it could not be saved");
        Warn(CatalogueEntry::SaveFailed);
        view_.EnableActionChoice();
        return;
    }
    const auto moment = TaskMomentNear(task_, Now(), services_.formats);
    const DateTime due = moment && task_.trigger == TriggerKind::Daily && *moment <= Now()
                             ? moment->Plus(DateTime::kMsPerDay)
                             : moment.value_or(Now());
    services_.log.Record(L"task set locally, " + std::wstring(ActionKeyword(actionCode)) +
                         L" due " + FormatIso(due));
    view_.SetTaskIndicator(kIndicatorTaskSet,
                           services_.catalogue.Text(CatalogueEntry::TaskAssignedHint));
}

bool TaskController::StartTaskLocally(std::int32_t actionCode) {
    TaskControls& c = view_.controls;
    SettingsStore& store = services_.store;
    task_.actionCode = actionCode;
    bool stored = WriteStoredInteger(store, kRootLocalMachine, kSettingsKeyPathUpper,
                                     kAdjustInfoValue, actionCode) == kWriteDone;
    auto storeText = [&](std::wstring_view name, std::wstring_view text) {
        stored = stored && WriteStoredText(store, kRootLocalMachine, kSettingsKeyPath, name,
                                           text) == kWriteDone;
    };
    TriggerKind trigger = TriggerKind::FromNow;
    if (IsChecked(c.dailyBox)) {
        trigger = TriggerKind::Daily;
        task_.dailyTimeText = services_.formats.FormatLongTime(c.dailyTimePicker.Value());
        storeText(kDailyTimeValue, task_.dailyTimeText);
        stored = stored && StoreRunValue();
    } else if (IsChecked(c.specifiedBox)) {
        trigger = TriggerKind::Specified;
        task_.dueText = SpecifiedDueText(c.specifiedDatePicker.Value(),
                                         c.specifiedTimePicker.Value(), services_.formats);
        storeText(kCountdownTimeValue, task_.dueText);
        stored = stored && StoreRunValue();
    } else {
        task_.dueText =
            FormatDelayedDue(Now(), DelayFieldValue(c.delayHoursField.Text()),
                             DelayFieldValue(c.delayMinutesField.Text()), services_.formats);
        task_.fromNowDueText.clear();  // the summary takes it from the store
        storeText(kWaitTimeWrittenValue, task_.dueText);
        storeText(kHourAndMinuteValue,
                  c.delayHoursField.Text() + L"|" + c.delayMinutesField.Text());
    }
    if (!stored) {
        // Half a task in the store would come back at the next start: none is kept.
        ClearStoredTask(store);
        return false;
    }
    task_.trigger = trigger;
    view_.DisableTriggerChoice();
    lastDailyMoment_.reset();
    watchTimer.SetInterval(trigger == TriggerKind::Daily ? kWatchIntervalNearMs
                                                         : kWatchIntervalAtLoadMs);
    watchTimer.SetEnabled(true);
    ShowTaskSet();
    return true;
}

bool TaskController::IsRegistrable(const ScheduledTask& chosen) const {
    // The scheduler keeps the minute only: one that has begun already would never run.
    if (chosen.trigger != TriggerKind::Specified) return true;
    const std::int64_t startMs = chosen.start.Milliseconds();
    return DateTime::FromMilliseconds(startMs - startMs % DateTime::kMsPerMinute) >= Now();
}

void TaskController::OnCancelTaskClick() {
    if (!Ask(CatalogueEntry::ConfirmCancelTask)) return;
    // What could not be removed would still act: the task stays set and can be cancelled again.
    if (!services_.registration.DeleteRegistered() || !ClearStoredTask(services_.store)) {
        Warn(CatalogueEntry::CancelFailed);
        return;
    }
    services_.startupShortcut.Delete();
    view_.Reset();
    watchTimer.SetEnabled(false);
    view_.ShowTaskButtons(false);
    view_.SetTaskIndicator(kIndicatorTaskCancelled,
                           services_.catalogue.Text(CatalogueEntry::TaskCancelledHint));
    task_.status = TaskStatus::Ended;
    task_.fromNowDueText.clear();
    task_.trigger = TriggerKind::None;
    services_.log.Record(L"task cancelled");
}

void TaskController::OnWatchTimerTick() {
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

void TaskController::OnClockTick() {
    view_.clockLabel.SetText(services_.formats.FormatDefault(Now()));
}

void TaskController::OnScheduledStart(std::function<void()> onDone) {
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

bool TaskController::Ask(CatalogueEntry question) {
    return services_.prompts.Ask(services_.catalogue.Text(question));
}

void TaskController::Warn(CatalogueEntry warning) {
    services_.prompts.Warn(services_.catalogue.Text(warning));
}

std::optional<ScheduledTask> TaskController::ChosenTask(std::int32_t actionCode) {
    const TaskControls& c = view_.controls;
    ScheduledTask chosen;
    chosen.actionKeyword = std::wstring(ActionKeyword(actionCode));
    if (chosen.actionKeyword.empty()) return std::nullopt;
    if (IsChecked(c.dailyBox)) {
        chosen.trigger = TriggerKind::Daily;
        chosen.start = WithTimeOfDay(Now(), c.dailyTimePicker.Value().TimeOfDayMs());
    } else if (IsChecked(c.specifiedBox)) {
        chosen.trigger = TriggerKind::Specified;
        const std::int64_t wholeSeconds = c.specifiedTimePicker.Value().TimeOfDayMs() /
                                          DateTime::kMsPerSecond * DateTime::kMsPerSecond;
        chosen.start = WithTimeOfDay(c.specifiedDatePicker.Value(), wholeSeconds);
    } else if (IsChecked(c.fromNowBox)) {
        chosen.trigger = TriggerKind::FromNow;
        // Up to the next whole minute, which the scheduler keeps: never before the delay ends.
        const std::int64_t dueMs = DelayedDue(Now(), DelayFieldValue(c.delayHoursField.Text()),
                                              DelayFieldValue(c.delayMinutesField.Text()))
                                       .Milliseconds();
        const std::int64_t intoMinute = dueMs % DateTime::kMsPerMinute;
        chosen.start = DateTime::FromMilliseconds(
            intoMinute == 0 ? dueMs : dueMs - intoMinute + DateTime::kMsPerMinute);
        chosen.delayHoursText = c.delayHoursField.Text();
        chosen.delayMinutesText = c.delayMinutesField.Text();
    } else {
        return std::nullopt;  // no trigger chosen: nothing to start
    }
    return chosen;
}

bool TaskController::CheckChosenInput() {
    const TaskControls& c = view_.controls;
    const TaskControllerServices& s = services_;
    if (IsChecked(c.dailyBox)) return true;
    if (IsChecked(c.specifiedBox)) {
        const SpecifiedCheck check =
            CheckSpecifiedNotPast(c.specifiedDatePicker.Value(), c.specifiedTimePicker.Value(),
                                  Now(), s.formats, s.catalogue);
        if (check.accepted) return true;
        view_.Reset();
        s.prompts.Warn(check.message);
        return false;
    }
    if (IsChecked(c.fromNowBox)) {
        return CheckDelayNotZero(c.delayHoursField.Text(), c.delayMinutesField.Text(), s.prompts,
                                 s.catalogue);
    }
    return false;
}

void TaskController::ShowScheduledTaskSet(const ScheduledTask& scheduled) {
    const TaskControls& c = view_.controls;
    const RegionalFormats& formats = services_.formats;
    task_.trigger = scheduled.trigger;
    if (scheduled.trigger == TriggerKind::Daily) {
        task_.dailyTimeText = formats.FormatLongTime(c.dailyTimePicker.Value());
    } else if (scheduled.trigger == TriggerKind::Specified) {
        task_.dueText =
            SpecifiedDueText(c.specifiedDatePicker.Value(), c.specifiedTimePicker.Value(), formats);
    } else {
        // The summary names the moment that was registered.
        task_.dueText = formats.FormatDefault(scheduled.start);
        task_.fromNowDueText = task_.dueText;
    }
    view_.DisableTriggerChoice();
    ShowTaskSet();
}

void TaskController::ShowTaskSet() {
    view_.DisableTriggerInputs();
    view_.ShowTaskButtons(true);
    task_.status = TaskStatus::Set;
    view_.UpdateTaskSummary();
    services_.mainWindow.Hide();
}

bool TaskController::StoreRunValue() {
    return WriteRunValue(services_.store, services_.programFolder) == kWriteDone;
}

void TaskController::RunCountdown(std::function<void()> onDone) {
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

void TaskController::CountdownEnded(CountdownOutcome outcome, bool oneShot) {
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

void TaskController::EndOneShotTask() {
    // A job or stored value that stays behind is long past and acts on nothing.
    if (!services_.registration.DeleteRegistered()) services_.log.Record(L"job left behind");
    if (!ClearStoredTask(services_.store)) services_.log.Record(L"stored task left behind");
    task_.trigger = TriggerKind::None;
    task_.fromNowDueText.clear();
    watchTimer.SetEnabled(false);
    view_.Reset();
}

}  // namespace dusk
