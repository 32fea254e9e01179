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
    EXPECT_EQ(CheckedAction(controls), TaskAction::ShutDown);

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

TEST(TaskControlsTest, CheckedActionTakesTheFirstCheckedRadioButton) {
    TaskControls controls(DateTime{});
    controls.shutDownRadio.SetStatus(CheckBoxStatus::Unchecked);
    EXPECT_EQ(CheckedAction(controls), TaskAction::None);
    controls.restartRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedAction(controls), TaskAction::Restart);
    EXPECT_EQ(controls.ActionRadio(TaskAction::Restart), &controls.restartRadio);
    EXPECT_EQ(controls.ActionRadio(TaskAction::None), nullptr);
    controls.hibernateRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedAction(controls), TaskAction::Hibernate);
    controls.logOffRadio.SetStatus(CheckBoxStatus::Checked);
    EXPECT_EQ(CheckedAction(controls), TaskAction::LogOff);
    EXPECT_EQ(ActionKeyword(CheckedAction(controls)), L"Logoff");
}

TEST(TaskControlsTest, EveryActionButNoneHasAKeywordThatReadsBack) {
    for (const ActionInfo& info : kActions) {
        EXPECT_FALSE(ActionKeyword(info.action).empty());
        EXPECT_EQ(ActionOfKeyword(ActionKeyword(info.action)), info.action);
    }
    EXPECT_EQ(ActionKeyword(TaskAction::None), L"");
    EXPECT_EQ(ActionOfKeyword(L"Reboot"), TaskAction::None);
}

}  // namespace
}  // namespace dusk
