#include "core/task_choice.h"

#include "core/task_checks.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

bool IsChecked(const ImageCheckBox& box) { return box.Status() == CheckBoxStatus::Checked; }

}  // namespace

TaskChoice::TaskChoice(const TaskRecord& task, TaskView& view, const Clock& clock,
                       const RegionalFormats& formats, const MessageCatalogue& catalogue,
                       UserPrompts& prompts)
    : task_(task),
      view_(view),
      clock_(clock),
      formats_(formats),
      catalogue_(catalogue),
      prompts_(prompts) {
    TaskControls& c = view_.controls;
    const auto radios = c.ActionRadios();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        radios[i]->onClick = [this, action = kActions[i].action] { OnActionClick(action); };
    }
    c.dailyBox.onClick = [this] { OnDailyClick(); };
    c.specifiedBox.onClick = [this] { OnSpecifiedClick(); };
    c.fromNowBox.onClick = [this] { OnFromNowClick(); };
    for (DateTimePickerModel* picker :
         {&c.dailyTimePicker, &c.specifiedDatePicker, &c.specifiedTimePicker}) {
        picker->onChange = [this] { OnTaskInputChange(); };
    }
    for (DigitFieldModel* field : {&c.delayHoursField, &c.delayMinutesField}) {
        field->onChange = [this] { OnTaskInputChange(); };
    }
}

void TaskChoice::OnActionClick(TaskAction action) {
    ImageCheckBox* radio = view_.controls.ActionRadio(action);
    if (!radio) return;
    view_.ClearActionChoice();
    radio->SetStatus(CheckBoxStatus::Checked);
    view_.UpdateTaskSummary();
}

void TaskChoice::ChooseTrigger(ImageCheckBox& box) {
    TaskControls& c = view_.controls;
    view_.ClearTriggerChoice();
    box.SetStatus(CheckBoxStatus::Checked);
    view_.EnableTriggerInputs(&box == &c.dailyBox, &box == &c.specifiedBox, &box == &c.fromNowBox);
}

void TaskChoice::OnDailyClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.dailyBox);
    c.dailyTimePicker.SetValue(WithTimeOfDay(c.dailyTimePicker.Value(), kDefaultPickerTimeOfDayMs));
    view_.UpdateTaskSummary();
}

void TaskChoice::OnSpecifiedClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.specifiedBox);
    c.specifiedDatePicker.SetValue(clock_.Now());
    view_.UpdateTaskSummary();
}

void TaskChoice::OnFromNowClick() {
    if (IsTaskSet(task_.status)) return;
    TaskControls& c = view_.controls;
    ChooseTrigger(c.fromNowBox);
    c.delayHoursField.SetText(L"1");
    c.delayMinutesField.SetText(L"0");
    view_.UpdateTaskSummary();
}

void TaskChoice::OnTaskInputChange() { view_.UpdateTaskSummary(); }

std::optional<ScheduledTask> TaskChoice::Chosen(TaskAction action) const {
    const TaskControls& c = view_.controls;
    const DateTime now = clock_.Now();
    ScheduledTask chosen;
    chosen.actionKeyword = std::wstring(ActionKeyword(action));
    if (chosen.actionKeyword.empty()) return std::nullopt;
    if (IsChecked(c.dailyBox)) {
        chosen.trigger = TriggerKind::Daily;
        chosen.start = WithTimeOfDay(now, c.dailyTimePicker.Value().TimeOfDayMs());
    } else if (IsChecked(c.specifiedBox)) {
        chosen.trigger = TriggerKind::Specified;
        const std::int64_t wholeSeconds = c.specifiedTimePicker.Value().TimeOfDayMs() /
                                          DateTime::kMsPerSecond * DateTime::kMsPerSecond;
        chosen.start = WithTimeOfDay(c.specifiedDatePicker.Value(), wholeSeconds);
    } else if (IsChecked(c.fromNowBox)) {
        chosen.trigger = TriggerKind::FromNow;
        // Up to the next whole minute, which the scheduler keeps: never before the delay ends.
        const std::int64_t dueMs = DelayedDue(now, DelayFieldValue(c.delayHoursField.Text()),
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

bool TaskChoice::CheckInput() {
    const TaskControls& c = view_.controls;
    if (IsChecked(c.dailyBox)) return true;
    if (IsChecked(c.specifiedBox)) {
        const SpecifiedCheck check =
            CheckSpecifiedNotPast(c.specifiedDatePicker.Value(), c.specifiedTimePicker.Value(),
                                  clock_.Now(), formats_, catalogue_);
        if (check.accepted) return true;
        view_.Reset();
        prompts_.Warn(check.message);
        return false;
    }
    if (IsChecked(c.fromNowBox)) {
        return CheckDelayNotZero(c.delayHoursField.Text(), c.delayMinutesField.Text(), prompts_,
                                 catalogue_);
    }
    return false;
}

}  // namespace dusk
