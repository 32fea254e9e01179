#include "core/task_view.h"

#include "core/task_summary.h"

namespace dusk {

namespace {

constexpr wchar_t kBoxTitlePadding[] = L"  ";

void Check(ImageCheckBox& box) { box.SetStatus(CheckBoxStatus::Checked); }

}  // namespace

TaskView::TaskView(const TaskRecord& task, const MessageCatalogue& catalogue,
                   const RegionalFormats& formats, const Clock& clock)
    : controls(clock.Now().Date()),
      task_(task),
      catalogue_(catalogue),
      formats_(formats),
      clock_(clock) {}

void TaskView::Reset() {
    LockTaskControls();
    controls.dailyTimePicker.SetValue(
        WithTimeOfDay(controls.dailyTimePicker.Value(), kDefaultPickerTimeOfDayMs));
    controls.specifiedTimePicker.SetValue(
        WithTimeOfDay(controls.specifiedTimePicker.Value(), kDefaultPickerTimeOfDayMs));
    controls.specifiedDatePicker.SetValue(
        WithTimeOfDay(controls.specifiedDatePicker.Value(), clock_.Now().TimeOfDayMs()));
    Check(controls.dailyBox);
    controls.dailyBox.SetEnabled(true);
    controls.dailyTimePicker.SetEnabled(true);
    Check(controls.shutDownRadio);
    EnableActionChoice();
    startTaskButton.SetVisible(true);
    controls.specifiedBox.SetEnabled(true);
    controls.fromNowBox.SetEnabled(true);
    controls.delayHoursField.SetText(L"1");
    controls.delayMinutesField.SetText(L"0");
    SetTaskIndicator(kIndicatorNoTask, catalogue_.Text(CatalogueEntry::AppTitle));
    summaryLabel.SetText(catalogue_.Text(CatalogueEntry::NoTaskSummary));
}

void TaskView::LockTaskControls() {
    ClearActionChoice();
    ClearTriggerChoice();
    DisableActionChoice();
    DisableTriggerChoice();
    controls.dailyTimePicker.SetEnabled(false);
    controls.specifiedDatePicker.SetEnabled(false);
    controls.specifiedTimePicker.SetEnabled(false);
    controls.delayHoursField.SetEnabled(false);
    controls.delayMinutesField.SetEnabled(false);
    startTaskButton.SetVisible(false);
    cancelTaskButton.SetVisible(false);
    postponeButton.SetVisible(false);
}

void TaskView::ClearActionChoice() {
    for (ImageCheckBox* radio : controls.ActionRadios())
        radio->SetStatus(CheckBoxStatus::Unchecked);
}

void TaskView::ClearTriggerChoice() {
    for (ImageCheckBox* box : controls.TriggerBoxes()) box->SetStatus(CheckBoxStatus::Unchecked);
}

void TaskView::DisableActionChoice() {
    for (ImageCheckBox* radio : controls.ActionRadios()) radio->SetEnabled(false);
}

void TaskView::EnableActionChoice() {
    for (ImageCheckBox* radio : controls.ActionRadios()) radio->SetEnabled(true);
}

void TaskView::DisableTriggerChoice() {
    for (ImageCheckBox* box : controls.TriggerBoxes()) box->SetEnabled(false);
}

void TaskView::EnableTriggerInputs(bool daily, bool specified, bool fromNow) {
    controls.dailyTimePicker.SetEnabled(daily);
    controls.specifiedDatePicker.SetEnabled(specified);
    controls.specifiedTimePicker.SetEnabled(specified);
    controls.delayHoursField.SetEnabled(fromNow);
    controls.delayMinutesField.SetEnabled(fromNow);
    controls.delayHoursUpDown.SetEnabled(fromNow);
    controls.delayMinutesUpDown.SetEnabled(fromNow);
}

void TaskView::ShowTaskButtons(bool taskSet) {
    startTaskButton.SetVisible(!taskSet);
    cancelTaskButton.SetVisible(taskSet);
}

void TaskView::SetTaskIndicator(int iconIndex, std::wstring hint) {
    indicator.Set(iconIndex, std::move(hint));
}

void TaskView::UpdateTaskSummary() {
    summaryLabel.SetText(BuildTaskSummary(controls, task_, catalogue_, formats_));
}

void TaskView::Refresh() {
    for (LabelModel* title : {&actionBoxTitle, &triggerBoxTitle}) {
        title->SetText(kBoxTitlePadding + title->Text() + kBoxTitlePadding);
    }
    switch (task_.status) {
        case TaskStatus::None:
            indicator.SetHint(catalogue_.Text(CatalogueEntry::AppTitle));
            break;
        case TaskStatus::Set:
            indicator.SetHint(catalogue_.Text(CatalogueEntry::TaskAssignedHint));
            break;
        case TaskStatus::Ended:
            indicator.SetHint(catalogue_.Text(CatalogueEntry::TaskCancelledHint));
            break;
    }
    UpdateTaskSummary();
}

}  // namespace dusk
