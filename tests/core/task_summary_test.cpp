#include "core/task_summary.h"

#include <gtest/gtest.h>

#include "core/stored_settings.h"
#include "fakes/fixed_regions.h"
#include "fakes/memory_settings_store.h"

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

enum class Trigger { None, Daily, Specified, FromNow };

class TaskSummaryTest : public ::testing::Test {
protected:
    TaskSummaryTest() : controls(now.Date()), formats(test::FixedRegionSettings("en-US")) {}

    void Choose(TaskAction action, Trigger trigger) {
        for (ImageCheckBox* radio : controls.ActionRadios())
            radio->SetStatus(CheckBoxStatus::Unchecked);
        if (ImageCheckBox* radio = controls.ActionRadio(action)) {
            radio->SetStatus(CheckBoxStatus::Checked);
        }
        for (ImageCheckBox* box : controls.TriggerBoxes())
            box->SetStatus(CheckBoxStatus::Unchecked);
        if (trigger != Trigger::None) {
            controls.TriggerBoxes()[static_cast<int>(trigger) - 1]->SetStatus(
                CheckBoxStatus::Checked);
        }
    }
    std::wstring Summary() { return BuildTaskSummary(controls, task, catalogue, formats); }

    const DateTime now = At(2016, 12, 24, 21, 5, 9, 300);
    TaskControls controls;
    TaskRecord task;
    MessageCatalogue catalogue;
    RegionalFormats formats;
};

TEST_F(TaskSummaryTest, DescribesTheCheckedActionAndTrigger) {
    controls.dailyTimePicker.SetValue(At(2016, 12, 24, 22, 0, 0));
    controls.specifiedDatePicker.SetValue(At(2017, 1, 1, 8, 0, 0));
    controls.specifiedTimePicker.SetValue(At(2016, 12, 24, 0, 30, 15));
    controls.delayHoursField.SetText(L"2");
    controls.delayMinutesField.SetText(L"45");
    struct Case {
        TaskAction action;
        Trigger trigger;
        const wchar_t* summary;
    };
    const Case cases[] = {
        {TaskAction::ShutDown, Trigger::Daily,
         L"Shut down scheduled to run on 10:00:00 PM every day."},
        {TaskAction::LogOff, Trigger::Specified,
         L"Log off scheduled to run on 1/1/2017 12:30:15 AM."},
        {TaskAction::StandBy, Trigger::FromNow,
         L"Stand by scheduled to run after 2 hours and 45 minutes."},
        {TaskAction::Hibernate, Trigger::None, L""},
        {TaskAction::None, Trigger::Daily, L" scheduled to run on 10:00:00 PM every day."},
    };
    for (const Case& c : cases) {
        Choose(c.action, c.trigger);
        EXPECT_EQ(Summary(), c.summary);
    }
}

TEST_F(TaskSummaryTest, UsesCaptionsAndTemplatesAsTheyStandNow) {
    controls.standByRadio.SetCaption(std::wstring(kSleepCaption));
    catalogue.SetText(CatalogueEntry::FromNowSummary, L"N%: H% h M% min (n%)");
    Choose(TaskAction::StandBy, Trigger::FromNow);
    EXPECT_EQ(Summary(), L"Sleep: 1 h 0 min (Sleep)");
}

// A set task is summarised from the task, whatever the controls show.
TEST_F(TaskSummaryTest, SetTaskIsSummarisedFromTheTask) {
    Choose(TaskAction::ShutDown, Trigger::FromNow);
    controls.delayHoursField.SetText(L"1");
    controls.delayMinutesField.SetText(L"30");
    struct Case {
        TaskAction action;
        TriggerKind trigger;
        DateTime moment;
        const wchar_t* summary;
    };
    const Case cases[] = {
        {TaskAction::Restart, TriggerKind::Daily, At(2016, 12, 25, 0, 0, 30),
         L"Restart scheduled to run on 12:00:30 AM every day."},
        {TaskAction::LogOff, TriggerKind::Specified, At(2017, 1, 1, 0, 0, 0),
         L"Log off scheduled to run on 1/1/2017 12:00:00 AM."},
        {TaskAction::ShutDown, TriggerKind::FromNow, At(2016, 12, 24, 22, 35, 9),
         L"Shut down scheduled to run on 12/24/2016 10:35:09 PM."},
        // The default form of a moment at midnight is the date alone.
        {TaskAction::Hibernate, TriggerKind::FromNow, At(2017, 1, 1, 0, 0, 0),
         L"Hibernate scheduled to run on 1/1/2017."},
        {TaskAction::None, TriggerKind::FromNow, At(2017, 1, 1, 0, 0, 0),
         L" scheduled to run on 1/1/2017."},
    };
    for (const Case& c : cases) {
        task = {c.action, c.trigger, TimeOfDay::Of(c.moment), c.moment, TaskStatus::Set};
        EXPECT_EQ(Summary(), c.summary);
    }
}

TEST_F(TaskSummaryTest, FromNowChoiceBeforeStartShowsTheDelayTexts) {
    Choose(TaskAction::ShutDown, Trigger::FromNow);
    task.due = At(2017, 1, 1);
    for (const TaskStatus status : {TaskStatus::None, TaskStatus::Ended}) {
        task.status = status;
        EXPECT_EQ(Summary(), L"Shut down scheduled to run after 1 hours and 0 minutes.");
    }
}

}  // namespace
}  // namespace dusk
