#include "core/task_controls.h"

#include <string>

#include "core/task_model.h"

namespace dusk {

namespace {

void SetUp(TXCheckBox& box, std::wstring_view caption, bool radio, bool checked) {
    box.SetCaption(std::wstring(caption));
    box.SetRadioButton(radio);
    box.SetStatus(checked ? csChecked : csUnChecked);
}

}  // namespace

TaskControls::TaskControls(DateTime today)
    : UpDown1(waitfor_hour_E, 0, 100, 1), UpDown2(Waitfor_m_E, 0, 60, 0) {
    const auto radios = ActionRadios();
    for (std::size_t code = 0; code < radios.size(); ++code) {
        SetUp(*radios[code], kActions[code].caption, true, code == kActionShutDown);
    }
    SetUp(Daily_R, L"Daily:", false, true);
    SetUp(Do_Action_R, L"Specified date and time:      ", false, false);
    SetUp(Waite_R, L"From now:", false, false);

    Daily_time_P.SetValue(WithTimeOfDay(today, kDefaultPickerTimeOfDayMs));
    Action_Date_P.SetValue(today);
    Action_Time_P.SetValue(WithTimeOfDay(today, kDefaultPickerTimeOfDayMs));
    Action_Date_P.SetEnabled(false);
    Action_Time_P.SetEnabled(false);

    waitfor_hour_E.SetText(L"1");
    Waitfor_m_E.SetText(L"0");
    waitfor_hour_E.SetEnabled(false);
    Waitfor_m_E.SetEnabled(false);
    UpDown1.SetEnabled(false);
    UpDown2.SetEnabled(false);
}

std::int32_t CheckedActionCode(const TaskControls& controls) {
    const auto radios = controls.ActionRadios();
    for (std::size_t code = 0; code < radios.size(); ++code) {
        if (radios[code]->Status() == csChecked) return static_cast<std::int32_t>(code);
    }
    return kActionNone;
}

DateTime WithTimeOfDay(DateTime date, std::int64_t timeOfDayMs) {
    return date.Date().Plus(timeOfDayMs);
}

}  // namespace dusk
