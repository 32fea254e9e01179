#include "core/task_controls.h"

#include <gtest/gtest.h>

#include "core/task_model.h"

namespace dusk {
namespace {

TEST(TaskControlsTest, TaskControlsStartInTheirDesignState) {
    const DateTime today = *DateTime::FromParts({2016, 12, 24});
    TaskControls controls(today);

    const wchar_t* captions[] = {L"Shut down", L"Log off", L"Stand by", L"Hibernate", L"Restart"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(controls.ActionRadios()[i]->Caption(), captions[i]);
        EXPECT_TRUE(controls.ActionRadios()[i]->RadioButton());
    }
    EXPECT_EQ(controls.specifiedBox.Caption(), L"Specified date and time:      ");
    EXPECT_FALSE(controls.dailyBox.RadioButton());
    EXPECT_EQ(CheckedActionCode(controls), kActionShutDown);

    EXPECT_EQ(controls.dailyTimePicker.Value().TimeOfDayMs(), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(controls.specifiedTimePicker.Value().TimeOfDayMs(), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(controls.specifiedDatePicker.Value().Date(), today);

    EXPECT_EQ(controls.delayHoursField.Text(), L"1");
    EXPECT_EQ(controls.delayMinutesField.Text(), L"0");
    EXPECT_FALSE(controls.delayHoursUpDown.Enabled());
    EXPECT_FALSE(controls.delayMinutesUpDown.Enabled());
    EXPECT_EQ(controls.delayHoursUpDown.Maximum(), 100);
    EXPECT_EQ(controls.delayMinutesUpDown.Maximum(), 60);

    // Each up-down writes into its own field.
    controls.delayHoursUpDown.SetEnabled(true);
    controls.delayMinutesUpDown.SetEnabled(true);
    controls.delayHoursUpDown.StepUp();
    controls.delayMinutesUpDown.StepDown();
    controls.delayMinutesUpDown.StepUp();
    EXPECT_EQ(controls.delayHoursField.Text(), L"2");
    EXPECT_EQ(controls.delayMinutesField.Text(), L"1");
}

TEST(TaskControlsTest, CheckedActionCodeTakesTheFirstCheckedRadioButton) {
    TaskControls controls(DateTime{});
    controls.shutDownRadio.SetStatus(CheckBoxStatus::Unchecked);
    EXPECT_EQ(CheckedActionCode(controls), kActionNone);
    controls.restartRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedActionCode(controls), kActionRestart);
    EXPECT_EQ(controls.ActionRadio(kActionRestart), &controls.restartRadio);
    EXPECT_EQ(controls.ActionRadio(4), nullptr);
    controls.hibernateRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedActionCode(controls), kActionHibernate);
    controls.logOffRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedActionCode(controls), kActionLogOff);
    EXPECT_EQ(ActionKeyword(CheckedActionCode(controls)), L"Logoff");
}

TEST(TaskControlsTest, OnlyTheFiveActionsHaveKeywords) {
    const std::pair<std::int32_t, const wchar_t*> cases[] = {
        {0, L"Shutdown"}, {1, L"Logoff"}, {2, L"Standby"}, {3, L"Hibernate"},
        {5, L"Restart"},  {-1, L""},      {4, L""},        {6, L""},
    };
    for (const auto& [code, keyword] : cases) EXPECT_EQ(ActionKeyword(code), keyword) << code;
}

}  // namespace
}  // namespace dusk
