#include "core/task_starter.h"

#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

bool IsChecked(const ImageCheckBox& box) { return box.Status() == CheckBoxStatus::Checked; }

}  // namespace

TaskStarter::TaskStarter(TaskRecord& task, TaskView& view, TaskChoice& choice, TaskWatch& watch,
                         TaskStarterServices services)
    : task_(task), view_(view), choice_(choice), watch_(watch), services_(std::move(services)) {
    view_.startTaskButton.onClick = [this] { OnStartTaskClick(); };
    view_.cancelTaskButton.onClick = [this] { OnCancelTaskClick(); };
}

void TaskStarter::OnStartTaskClick() {
    if (!Ask(CatalogueEntry::ConfirmStartTask)) return;
    view_.DisableActionChoice();
    const TaskAction action = CheckedAction(view_.controls);
    // The input is checked before the scheduler is asked, so either way of running the task
    // rejects it alike and the scheduler is never started for a task that cannot run.
    if (!choice_.Chosen(action) || !choice_.CheckInput()) {
        view_.EnableActionChoice();
        return;
    }
    task_.action = action;
    services_.registration.Prepare(
        [this, action](bool schedulerReady) { FinishStart(action, schedulerReady); });
}

void TaskStarter::FinishStart(TaskAction action, bool schedulerReady) {
    // The user may have taken a while over the prompts: the moment counts from their answer,
    // and a specified moment that has passed meanwhile is refused.
    const auto chosen = choice_.Chosen(action);
    if (!choice_.CheckInput()) {
        view_.EnableActionChoice();
        return;
    }
    if (schedulerReady && IsRegistrable(*chosen)) {
        switch (services_.registration.Register(*chosen)) {
            case RegistrationResult::Registered:
                services_.log.Record(L"task set by " + services_.registration.Method() + L", " +
                                     std::wstring(ActionKeyword(action)) + L" due " +
                                     FormatIso(chosen->start));
                ShowScheduledTaskSet(*chosen);
                return;
            case RegistrationResult::Rejected:
                view_.Reset();
                return;
            case RegistrationResult::Unavailable:
                break;
        }
    }
    // A job left from before would act beside the local task.
    if (!services_.registration.DeleteRegistered() || !StartTaskLocally(action)) {
        services_.log.Record(L"task not set: it could not be saved");
        Warn(CatalogueEntry::SaveFailed);
        view_.EnableActionChoice();
        return;
    }
    RecordLocalTask();
    if (task_.trigger == TriggerKind::Daily || task_.trigger == TriggerKind::Specified) {
        StartAtLogon();
    }
}

void TaskStarter::StartAtLogon() {
    switch (services_.taskStore.StartAtLogon()) {
        case LogonStartOutcome::Registered:
            services_.log.Record(L"log-on start registered");
            return;
        case LogonStartOutcome::NotAvailable:
            return;  // the Run value starts the program at log-on
        case LogonStartOutcome::Refused:
            // The registration's preparation has told the user that the program is not protected.
            services_.log.Record(L"log-on start refused: the program is not protected");
            return;
        case LogonStartOutcome::NotKept:
            services_.log.Record(
                L"log-on start not kept: the task runs only while the program runs");
            services_.prompts.Inform(
                services_.catalogue.Text(CatalogueEntry::TaskLastsWhileRunning));
            return;
    }
}

void TaskStarter::OnCancelTaskClick() {
    if (!Ask(CatalogueEntry::ConfirmCancelTask)) return;
    // What could not be removed would still act: the task stays set and can be cancelled again.
    if (!services_.registration.DeleteRegistered() || !services_.taskStore.Clear()) {
        services_.log.Record(L"cancel failed: the task stays set");
        Warn(CatalogueEntry::CancelFailed);
        return;
    }
    services_.startupShortcut.Delete();
    view_.Reset();
    watch_.StopWatching();
    view_.ShowTaskButtons(false);
    view_.SetTaskIndicator(kIndicatorTaskCancelled,
                           services_.catalogue.Text(CatalogueEntry::TaskCancelledHint));
    task_.status = TaskStatus::Ended;
    task_.trigger = TriggerKind::None;
    services_.log.Record(L"task cancelled");
}

bool TaskStarter::Ask(CatalogueEntry question) {
    return services_.prompts.Ask(services_.catalogue.Text(question));
}

void TaskStarter::Warn(CatalogueEntry warning) {
    services_.prompts.Warn(services_.catalogue.Text(warning));
}

bool TaskStarter::IsRegistrable(const ScheduledTask& chosen) const {
    // The scheduler keeps the minute only: one that has begun already would never run.
    if (chosen.trigger != TriggerKind::Specified) return true;
    const std::int64_t startMs = chosen.start.Milliseconds();
    return DateTime::FromMilliseconds(startMs - startMs % DateTime::kMsPerMinute) >= Now();
}

void TaskStarter::ShowScheduledTaskSet(const ScheduledTask& scheduled) {
    task_.trigger = scheduled.trigger;
    if (scheduled.trigger == TriggerKind::Daily) {
        task_.dailyTime = TimeOfDay::Of(scheduled.start).WholeSecond();
    } else {
        task_.due = scheduled.start.WholeSecond();
    }
    view_.DisableTriggerChoice();
    ShowTaskSet();
}

bool TaskStarter::StartTaskLocally(TaskAction action) {
    const TaskControls& c = view_.controls;
    StoredTask stored;
    stored.action = action;
    if (IsChecked(c.dailyBox)) {
        stored.trigger = TriggerKind::Daily;
        stored.dailyTime = TimeOfDay::Of(c.dailyTimePicker.Value()).WholeSecond();
    } else if (IsChecked(c.specifiedBox)) {
        stored.trigger = TriggerKind::Specified;
        stored.due = WithTimeOfDay(c.specifiedDatePicker.Value(),
                                   c.specifiedTimePicker.Value().TimeOfDayMs())
                         .WholeSecond();
    } else {
        stored.trigger = TriggerKind::FromNow;
        stored.due = DelayedDue(Now(), DelayFieldValue(c.delayHoursField.Text()),
                                DelayFieldValue(c.delayMinutesField.Text()))
                         .WholeSecond();
        stored.delayHoursText = c.delayHoursField.Text();
        stored.delayMinutesText = c.delayMinutesField.Text();
    }
    if (!services_.taskStore.Save(stored)) return false;
    task_.action = action;
    task_.trigger = stored.trigger;
    task_.dailyTime = stored.dailyTime;
    task_.due = stored.due;
    view_.DisableTriggerChoice();
    watch_.Watch(stored.trigger);
    ShowTaskSet();
    return true;
}

void TaskStarter::ShowTaskSet() {
    view_.DisableTriggerInputs();
    view_.ShowTaskButtons(true);
    task_.status = TaskStatus::Set;
    view_.UpdateTaskSummary();
    view_.SetTaskIndicator(kIndicatorTaskSet,
                           services_.catalogue.Text(CatalogueEntry::TaskAssignedHint));
    services_.mainWindow.Hide();
}

void TaskStarter::RecordLocalTask() {
    const auto moment = TaskMomentNear(task_, Now());
    const DateTime due = moment && task_.trigger == TriggerKind::Daily && *moment <= Now()
                             ? moment->Plus(DateTime::kMsPerDay)
                             : moment.value_or(Now());
    services_.log.Record(L"task set locally, " + std::wstring(ActionKeyword(task_.action)) +
                         L" due " + FormatIso(due));
}

}  // namespace dusk
