#include "core/task_restore.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

// Families on which the stand-by action is called "Sleep".
constexpr std::array<std::wstring_view, 4> kSleepFamilies = {L"vista", L"windows7", L"windows8",
                                                             L"windows10"};

// A stored delay is shown only where it is a number a delay field holds: a damaged value (text,
// or long enough to stall the system's edit control) leaves the field empty.
std::wstring DelayFieldText(std::wstring_view stored) {
    constexpr std::size_t kMaxDigits = 9;
    const bool number = !stored.empty() && stored.size() <= kMaxDigits &&
                        stored.find_first_not_of(L"0123456789") == std::wstring_view::npos;
    return number ? std::wstring(stored) : std::wstring();
}

}  // namespace

TaskRestorer::TaskRestorer(TaskRecord& task, TaskView& view, TaskWatch& watch,
                           TaskRestorerServices services)
    : task_(task), view_(view), watch_(watch), services_(std::move(services)) {}

void TaskRestorer::OnFirstShow() {
    if (shown_) return;
    shown_ = true;
    for (const std::wstring_view family : kSleepFamilies) {
        if (services_.osFamily.find(family) != std::wstring::npos) {
            view_.controls.standByRadio.SetCaption(std::wstring(kSleepCaption));
        }
    }
    task_.status = TaskStatus::None;
    task_.trigger = TriggerKind::None;
    view_.Reset();
    if (readNoticePreference) readNoticePreference();
    if (RestoreScheduledTask() || LoadStoredTask()) {
        task_.status = TaskStatus::Set;
    } else {
        view_.Reset();
    }
    view_.Refresh();
}

bool TaskRestorer::RestoreScheduledTask() {
    const auto scheduled = services_.registration.ReadRegistered();
    if (!scheduled) return false;
    TaskControls& c = view_.controls;
    // The scheduler keeps the minute; the summary shows the moment to the second.
    const DateTime start = scheduled->start.WholeSecond();
    switch (scheduled->trigger) {
        case TriggerKind::Daily:
            task_.trigger = TriggerKind::Daily;
            task_.dailyTime = TimeOfDay::Of(start);
            ShowStoredTaskSet(c.dailyBox);
            c.dailyTimePicker.SetValue(
                WithTimeOfDay(c.dailyTimePicker.Value(), start.TimeOfDayMs()));
            break;
        case TriggerKind::Specified:
        case TriggerKind::FromNow:
            if (!IsDueStillValid(start, Now())) {
                services_.registration.DeleteRegistered();
                return false;
            }
            task_.trigger = scheduled->trigger;
            task_.due = start;
            if (task_.trigger == TriggerKind::Specified) {
                ShowStoredTaskSet(c.specifiedBox);
                ShowSpecifiedMoment(start);
            } else {
                ShowStoredTaskSet(c.fromNowBox);
                ShowDelay(scheduled->delayHoursText, scheduled->delayMinutesText);
            }
            break;
        case TriggerKind::None:
            return false;  // a job that names no trigger is not acted on
    }
    RestoreAction(ActionOfKeyword(scheduled->actionKeyword));
    return true;
}

bool TaskRestorer::LoadStoredTask() {
    task_.trigger = TriggerKind::None;
    const StoredTask stored = services_.taskStore.Load();
    task_.action = stored.action;

    TaskControls& c = view_.controls;
    if (stored.trigger == TriggerKind::None) {
        view_.Reset();
        c.specifiedDatePicker.SetValue(
            WithTimeOfDay(Now(), c.specifiedDatePicker.Value().TimeOfDayMs()));
        return false;
    }
    // A time that no longer reads back (the regional settings changed) can never fall due; a
    // one-shot moment long past is over.
    if (!stored.readable || (IsOneShot(stored.trigger) && !IsDueStillValid(stored.due, Now()))) {
        services_.taskStore.Clear();
        return false;
    }
    task_.trigger = stored.trigger;
    task_.dailyTime = stored.dailyTime;
    task_.due = stored.due;
    switch (stored.trigger) {
        case TriggerKind::Daily:
            ShowStoredTaskSet(c.dailyBox);
            c.dailyTimePicker.SetValue(
                WithTimeOfDay(c.dailyTimePicker.Value(), stored.dailyTime.Milliseconds()));
            services_.mainWindow.Hide();
            break;
        case TriggerKind::Specified:
            ShowStoredTaskSet(c.specifiedBox);
            ShowSpecifiedMoment(stored.due);
            break;
        case TriggerKind::FromNow:
            ShowStoredTaskSet(c.fromNowBox);
            ShowDelay(stored.delayHoursText, stored.delayMinutesText);
            break;
        case TriggerKind::None:
            break;
    }
    RestoreAction(task_.action);
    watch_.Watch(task_.trigger);
    return true;
}

void TaskRestorer::ShowSpecifiedMoment(DateTime due) {
    TaskControls& c = view_.controls;
    c.specifiedDatePicker.SetValue(WithTimeOfDay(due, c.specifiedDatePicker.Value().TimeOfDayMs()));
    c.specifiedTimePicker.SetValue(WithTimeOfDay(c.specifiedTimePicker.Value(), due.TimeOfDayMs()));
}

void TaskRestorer::ShowDelay(std::wstring_view hours, std::wstring_view minutes) {
    view_.controls.delayHoursField.SetText(DelayFieldText(hours));
    view_.controls.delayMinutesField.SetText(DelayFieldText(minutes));
}

void TaskRestorer::ShowStoredTaskSet(ImageCheckBox& triggerBox) {
    view_.LockTaskControls();
    triggerBox.SetStatus(CheckBoxStatus::Checked);
    view_.cancelTaskButton.SetVisible(true);
    // Whatever restored the task, the notification-area icon says a task is set.
    view_.indicator.SetIconIndex(kIndicatorTaskSet);
}

void TaskRestorer::RestoreAction(TaskAction action) {
    task_.action = action;
    if (ImageCheckBox* radio = view_.controls.ActionRadio(action)) {
        radio->SetStatus(CheckBoxStatus::Checked);
    }
}

}  // namespace dusk
