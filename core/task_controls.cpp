#include "core/task_controls.h"

#include <string>

#include "core/task_model.h"

namespace dusk {

namespace {

void SetUp(ImageCheckBox& box, std::wstring_view caption, bool radio, bool checked) {
    box.SetCaption(std::wstring(caption));
    box.SetRadioButton(radio);
    box.SetStatus(checked ? CheckBoxStatus::Checked : CheckBoxStatus::Unchecked);
}

}  // namespace

TaskControls::TaskControls(DateTime today)
    : delayHoursUpDown(delayHoursField, 0, 100, 1),
      delayMinutesUpDown(delayMinutesField, 0, 60, 0) {
    const auto radios = ActionRadios();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        SetUp(*radios[i], kActions[i].caption, true, kActions[i].action == TaskAction::ShutDown);
    }
    SetUp(dailyBox, L"Daily:", false, true);
    SetUp(specifiedBox, L"Specified date and time:      ", false, false);
    SetUp(fromNowBox, L"From now:", false, false);

    dailyTimePicker.SetValue(WithTimeOfDay(today, kDefaultPickerTimeOfDayMs));
    specifiedDatePicker.SetValue(today);
    specifiedTimePicker.SetValue(WithTimeOfDay(today, kDefaultPickerTimeOfDayMs));
    specifiedDatePicker.SetEnabled(false);
    specifiedTimePicker.SetEnabled(false);

    delayHoursField.SetText(L"1");
    delayMinutesField.SetText(L"0");
    delayHoursField.SetEnabled(false);
    delayMinutesField.SetEnabled(false);
    delayHoursUpDown.SetEnabled(false);
    delayMinutesUpDown.SetEnabled(false);
}

TaskAction CheckedAction(const TaskControls& controls) {
    const auto radios = controls.ActionRadios();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->Status() == CheckBoxStatus::Checked) return kActions[i].action;
    }
    return TaskAction::None;
}

ImageCheckBox* TaskControls::ActionRadio(TaskAction action) {
    const auto index = ActionIndex(action);
    return index ? ActionRadios()[*index] : nullptr;
}

const ImageCheckBox* TaskControls::ActionRadio(TaskAction action) const {
    const auto index = ActionIndex(action);
    return index ? ActionRadios()[*index] : nullptr;
}

DateTime WithTimeOfDay(DateTime date, std::int64_t timeOfDayMs) {
    return date.Date().Plus(timeOfDayMs);
}

}  // namespace dusk
