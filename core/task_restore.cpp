#include "core/task_restore.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/placeholder_text.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

// Families on which the stand-by action is called "Sleep".
constexpr std::array<std::wstring_view, 4> kSleepFamilies = {L"vista", L"windows7", L"windows8",
                                                             L"windows10"};

std::int32_t ActionCodeForKeyword(std::wstring_view keyword) {
    for (const ActionInfo& action : kActions) {
        if (action.keyword == keyword) return action.code;
    }
    return kActionNone;
}

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
    task_.fromNowDueText.clear();
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
    const RegionalFormats& formats = services_.formats;
    const DateTime start = scheduled->start;
    switch (scheduled->trigger) {
        case TriggerKind::Daily:
            task_.trigger = TriggerKind::Daily;
            task_.dailyTimeText = formats.FormatLongTime(start);
            ShowStoredTaskSet(c.dailyBox);
            c.dailyTimePicker.SetValue(
                WithTimeOfDay(c.dailyTimePicker.Value(), start.TimeOfDayMs()));
            break;
        case TriggerKind::Specified:
        case TriggerKind::FromNow:
            task_.dueText = formats.FormatDateTime(start);
            if (!IsDueStillValid(task_.dueText, Now(), formats)) {
                services_.registration.DeleteRegistered();
                task_.dueText.clear();
                return false;
            }
            task_.trigger = scheduled->trigger;
            if (task_.trigger == TriggerKind::Specified) {
                ShowStoredTaskSet(c.specifiedBox);
                c.specifiedDatePicker.SetValue(
                    WithTimeOfDay(start, c.specifiedDatePicker.Value().TimeOfDayMs()));
                c.specifiedTimePicker.SetValue(
                    WithTimeOfDay(c.specifiedTimePicker.Value(), start.TimeOfDayMs()));
            } else {
                task_.fromNowDueText = task_.dueText;
                ShowStoredTaskSet(c.fromNowBox);
                c.delayHoursField.SetText(DelayFieldText(scheduled->delayHoursText));
                c.delayMinutesField.SetText(DelayFieldText(scheduled->delayMinutesText));
            }
            break;
        case TriggerKind::None:
            return false;  // a job that names no trigger is not acted on
    }
    RestoreAction(ActionCodeForKeyword(scheduled->actionKeyword));
    return true;
}

bool TaskRestorer::LoadStoredTask() {
    task_.dailyTimeText.clear();
    task_.dueText.clear();
    task_.trigger = TriggerKind::None;

    const RegionalFormats& formats = services_.formats;
    const StoredTask stored = services_.taskStore.Load();
    task_.actionCode = stored.actionCode;
    const std::wstring& text = stored.timeText;

    TaskControls& c = view_.controls;
    if (stored.trigger == TriggerKind::Daily) {
        // A time that no longer reads back (the regional settings changed) can never fall due.
        const auto timeOfDay = formats.ParseLongTime(text);
        if (!timeOfDay) {
            ForgetStoredTask();
            return false;
        }
        task_.trigger = TriggerKind::Daily;
        task_.dailyTimeText = text;
        ShowStoredTaskSet(c.dailyBox);
        c.dailyTimePicker.SetValue(WithTimeOfDay(c.dailyTimePicker.Value(), *timeOfDay));
        services_.mainWindow.Hide();
    } else if (stored.trigger == TriggerKind::Specified) {
        if (!IsDueStillValid(text, Now(), formats)) {
            ForgetStoredTask();
            return false;
        }
        task_.trigger = TriggerKind::Specified;
        task_.dueText = text;
        ShowStoredTaskSet(c.specifiedBox);
        // Read as a whole, so a date pattern with a blank in it still splits right.
        const DateTime due = *formats.ParseDateTime(text);
        c.specifiedDatePicker.SetValue(
            WithTimeOfDay(due, c.specifiedDatePicker.Value().TimeOfDayMs()));
        c.specifiedTimePicker.SetValue(
            WithTimeOfDay(c.specifiedTimePicker.Value(), due.TimeOfDayMs()));
    } else if (stored.trigger == TriggerKind::FromNow) {
        if (!IsDueStillValid(text, Now(), formats)) {
            ForgetStoredTask();
            return false;
        }
        task_.trigger = TriggerKind::FromNow;
        task_.dueText = text;
        ShowStoredTaskSet(c.fromNowBox);
        const std::wstring_view pair(stored.delayText);
        const std::size_t bar = pair.find(L'|');
        c.delayHoursField.SetText(DelayFieldText(pair.substr(0, bar)));
        c.delayMinutesField.SetText(
            bar == std::wstring_view::npos ? std::wstring() : DelayFieldText(pair.substr(bar + 1)));
    } else {
        view_.Reset();
        c.specifiedDatePicker.SetValue(
            WithTimeOfDay(Now(), c.specifiedDatePicker.Value().TimeOfDayMs()));
    }

    if (task_.trigger == TriggerKind::None) return false;
    RestoreAction(task_.actionCode);
    if (task_.trigger == TriggerKind::Daily) {
        ShowRestoredSummary(CatalogueEntry::DailySummary, task_.dailyTimeText);
    } else {
        ShowRestoredSummary(CatalogueEntry::OnceSummary, task_.dueText);
    }
    watch_.Watch(task_.trigger);
    return true;
}

void TaskRestorer::ShowStoredTaskSet(ImageCheckBox& triggerBox) {
    view_.LockTaskControls();
    triggerBox.SetStatus(CheckBoxStatus::Checked);
    view_.cancelTaskButton.SetVisible(true);
    // Whatever restored the task, the notification-area icon says a task is set.
    view_.indicator.SetIconIndex(kIndicatorTaskSet);
}

void TaskRestorer::RestoreAction(std::int32_t actionCode) {
    task_.actionCode = actionCode;
    if (ImageCheckBox* radio = view_.controls.ActionRadio(actionCode)) {
        radio->SetStatus(CheckBoxStatus::Checked);
    }
}

std::wstring TaskRestorer::ActionName() const {
    const ImageCheckBox* radio = view_.controls.ActionRadio(task_.actionCode);
    return radio ? radio->Caption() : std::wstring();
}

void TaskRestorer::ShowRestoredSummary(CatalogueEntry entry, const std::wstring& shownTime) {
    view_.summaryLabel.SetText(SubstitutePlaceholders(services_.catalogue.Text(entry),
                                                      {{L"n%", ActionName()}, {L"s%", shownTime}}));
}

void TaskRestorer::ForgetStoredTask() {
    services_.taskStore.Clear();
    task_.trigger = TriggerKind::None;
    task_.dailyTimeText.clear();
    task_.dueText.clear();
}

}  // namespace dusk
