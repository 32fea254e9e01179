#pragma once
#include <array>
#include <cstdint>

#include "base/control_models.h"
#include "base/date_time.h"
#include "controls/image_check_box.h"
#include "core/task_model.h"

namespace dusk {

// The task controls of the main window, in their design state. The up-downs refer to their
// fields, so the group stays where it was made.
struct TaskControls {
    // today: the date the date picker starts with.
    explicit TaskControls(DateTime today);
    TaskControls(const TaskControls&) = delete;
    TaskControls& operator=(const TaskControls&) = delete;

    // Radio buttons in the order of kActions.
    ImageCheckBox shutDownRadio, logOffRadio, standByRadio, hibernateRadio, restartRadio;
    ImageCheckBox dailyBox, specifiedBox, fromNowBox;

    DateTimePickerModel dailyTimePicker;      // time of day
    DateTimePickerModel specifiedDatePicker;  // date
    DateTimePickerModel specifiedTimePicker;  // time of day

    DigitFieldModel delayHoursField;
    DigitFieldModel delayMinutesField;
    UpDownModel delayHoursUpDown;    // hours, 0 to 100
    UpDownModel delayMinutesUpDown;  // minutes, 0 to 60

    std::array<ImageCheckBox*, 5> ActionRadios() {
        return {&shutDownRadio, &logOffRadio, &standByRadio, &hibernateRadio, &restartRadio};
    }
    std::array<const ImageCheckBox*, 5> ActionRadios() const {
        return {&shutDownRadio, &logOffRadio, &standByRadio, &hibernateRadio, &restartRadio};
    }
    // The radio button of an action; null for None.
    ImageCheckBox* ActionRadio(TaskAction action);
    const ImageCheckBox* ActionRadio(TaskAction action) const;
    std::array<ImageCheckBox*, 3> TriggerBoxes() { return {&dailyBox, &specifiedBox, &fromNowBox}; }
};

// The action of the first checked action radio button, None when none is checked.
TaskAction CheckedAction(const TaskControls& controls);

// The time of day both time pickers start with and return to: noon.
constexpr std::int64_t kDefaultPickerTimeOfDayMs = 12 * DateTime::kMsPerHour;

// The picker's date with the time of day replaced.
DateTime WithTimeOfDay(DateTime date, std::int64_t timeOfDayMs);

}  // namespace dusk
