#include "core/control_models.h"

#include <gtest/gtest.h>

#include "core/task_controls.h"
#include "core/task_model.h"

namespace dusk {
namespace {

TEST(ControlModelsTest, UpDownStepsWithinItsRangeWithoutWrapping) {
    struct Case {
        int minimum, maximum, start;
        int ups, downs;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, 100, 1, 1, 0, L"2"},    {0, 100, 1, 0, 1, L"0"},  {0, 100, 1, 0, 5, L"0"},
        {0, 100, 99, 5, 0, L"100"}, {0, 60, 59, 3, 0, L"60"}, {0, 60, 60, 0, 1, L"59"},
    };
    for (const Case& c : cases) {
        DigitFieldModel field;
        field.SetText(std::to_wstring(c.start));
        UpDownModel upDown(field, c.minimum, c.maximum, c.start);
        for (int i = 0; i < c.ups; ++i) upDown.StepUp();
        for (int i = 0; i < c.downs; ++i) upDown.StepDown();
        EXPECT_EQ(field.Text(), c.text);
        EXPECT_EQ(std::to_wstring(upDown.Position()), c.text);
    }
}

TEST(ControlModelsTest, UpDownCountsFromWhatItsFieldShows) {
    DigitFieldModel field;
    UpDownModel upDown(field, 0, 60, 0);
    field.SetText(L"30");  // set by the program, not through the buttons
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"31");
    field.SetText(L"");  // unreadable: the last position counts
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"32");

    upDown.SetEnabled(false);
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"32");
}

TEST(ControlModelsTest, ChangeEventsRunOnlyForRealChanges) {
    int changes = 0;
    int stateChanges = 0;
    DigitFieldModel field;
    field.OnChange = [&] { ++changes; };
    field.OnStateChanged = [&] { ++stateChanges; };
    UpDownModel upDown(field, 0, 1, 0);
    field.SetText(L"0");
    upDown.StepUp();
    upDown.StepUp();  // at the maximum: nothing changes
    field.SetEnabled(false);
    field.SetEnabled(false);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(stateChanges, 3);

    int pickerChanges = 0;
    DateTimePickerModel picker;
    picker.OnChange = [&] { ++pickerChanges; };
    picker.SetValue(DateTime::FromMilliseconds(5));
    picker.SetValue(DateTime::FromMilliseconds(5));
    picker.SetEnabled(false);
    EXPECT_EQ(pickerChanges, 1);
}

TEST(ControlModelsTest, TaskControlsStartInTheirDesignState) {
    const DateTime today = *DateTime::FromParts({2016, 12, 24});
    TaskControls controls(today);

    const wchar_t* captions[] = {L"Shut down", L"Log off", L"Stand by", L"Hibernate"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(controls.ActionRadios()[i]->Caption(), captions[i]);
        EXPECT_TRUE(controls.ActionRadios()[i]->RadioButton());
    }
    EXPECT_EQ(controls.Do_Action_R.Caption(), L"Specified date and time:      ");
    EXPECT_FALSE(controls.Daily_R.RadioButton());
    EXPECT_EQ(CheckedActionCode(controls), kActionShutDown);

    EXPECT_EQ(controls.Daily_time_P.Value().TimeOfDayMs(), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(controls.Action_Time_P.Value().TimeOfDayMs(), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(controls.Action_Date_P.Value().Date(), today);

    EXPECT_EQ(controls.waitfor_hour_E.Text(), L"1");
    EXPECT_EQ(controls.Waitfor_m_E.Text(), L"0");
    EXPECT_FALSE(controls.UpDown1.Enabled());
    EXPECT_FALSE(controls.UpDown2.Enabled());
    EXPECT_EQ(controls.UpDown1.Maximum(), 100);
    EXPECT_EQ(controls.UpDown2.Maximum(), 60);

    // Each up-down writes into its own field.
    controls.UpDown1.SetEnabled(true);
    controls.UpDown2.SetEnabled(true);
    controls.UpDown1.StepUp();
    controls.UpDown2.StepDown();
    controls.UpDown2.StepUp();
    EXPECT_EQ(controls.waitfor_hour_E.Text(), L"2");
    EXPECT_EQ(controls.Waitfor_m_E.Text(), L"1");
}

TEST(ControlModelsTest, CheckedActionCodeTakesTheFirstCheckedRadioButton) {
    TaskControls controls(DateTime{});
    controls.Radio_shut.SetStatus(csUnChecked);
    EXPECT_EQ(CheckedActionCode(controls), kActionNone);
    controls.Radio_Hib.SetStatus(csChecked);
    EXPECT_EQ(CheckedActionCode(controls), kActionHibernate);
    controls.Radio_Log.SetStatus(csChecked);
    EXPECT_EQ(CheckedActionCode(controls), kActionLogOff);
    EXPECT_EQ(ActionKeyword(CheckedActionCode(controls)), L"Logoff");
}

TEST(ControlModelsTest, OnlyTheFourActionsHaveKeywords) {
    const std::pair<std::int32_t, const wchar_t*> cases[] = {
        {0, L"Shutdown"}, {1, L"Logoff"}, {2, L"Standby"}, {3, L"Hibernate"},
        {-1, L""},        {4, L""},       {5, L""},
    };
    for (const auto& [code, keyword] : cases) EXPECT_EQ(ActionKeyword(code), keyword) << code;
}

}  // namespace
}  // namespace dusk
