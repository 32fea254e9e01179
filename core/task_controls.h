#pragma once
#include <array>
#include <cstdint>

#include "controls/XCheckBox.h"
#include "core/control_models.h"
#include "core/date_time.h"

namespace dusk {

// The task controls of the main window, in their design state. The up-downs refer to their
// fields, so the group stays where it was made.
struct TaskControls {
    // today: the date the date picker starts with.
    explicit TaskControls(DateTime today);
    TaskControls(const TaskControls&) = delete;
    TaskControls& operator=(const TaskControls&) = delete;

    // Radio buttons in action-code order.
    TXCheckBox Radio_shut, Radio_Log, Radio_Stand, Radio_Hib;
    TXCheckBox Daily_R, Do_Action_R, Waite_R;

    DateTimePickerModel Daily_time_P;   // time of day
    DateTimePickerModel Action_Date_P;  // date
    DateTimePickerModel Action_Time_P;  // time of day

    DigitFieldModel waitfor_hour_E;
    DigitFieldModel Waitfor_m_E;
    UpDownModel UpDown1;  // hours, 0 to 100
    UpDownModel UpDown2;  // minutes, 0 to 60

    std::array<TXCheckBox*, 4> ActionRadios() {
        return {&Radio_shut, &Radio_Log, &Radio_Stand, &Radio_Hib};
    }
    std::array<const TXCheckBox*, 4> ActionRadios() const {
        return {&Radio_shut, &Radio_Log, &Radio_Stand, &Radio_Hib};
    }
    std::array<TXCheckBox*, 3> TriggerBoxes() { return {&Daily_R, &Do_Action_R, &Waite_R}; }
};

// The code of the first checked action radio button, kActionNone when none is checked.
std::int32_t CheckedActionCode(const TaskControls& controls);

// The time of day both time pickers start with and return to: noon.
constexpr std::int64_t kDefaultPickerTimeOfDayMs = 12 * DateTime::kMsPerHour;

// The picker's date with the time of day replaced.
DateTime WithTimeOfDay(DateTime date, std::int64_t timeOfDayMs);

}  // namespace dusk
