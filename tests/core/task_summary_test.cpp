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

    void Choose(std::int32_t action, Trigger trigger) {
        for (ImageCheckBox* radio : controls.ActionRadios())
            radio->SetStatus(CheckBoxStatus::Unchecked);
        if (action >= 0) controls.ActionRadios()[action]->SetStatus(CheckBoxStatus::Checked);
        for (ImageCheckBox* box : controls.TriggerBoxes())
            box->SetStatus(CheckBoxStatus::Unchecked);
        if (trigger != Trigger::None) {
            controls.TriggerBoxes()[static_cast<int>(trigger) - 1]->SetStatus(
                CheckBoxStatus::Checked);
        }
    }
    std::wstring Summary() { return BuildTaskSummary(controls, task, catalogue, formats, now); }

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
        std::int32_t action;
        Trigger trigger;
        const wchar_t* summary;
    };
    const Case cases[] = {
        {kActionShutDown, Trigger::Daily, L"Shut down scheduled to run on 10:00:00 PM every day."},
        {kActionLogOff, Trigger::Specified, L"Log off scheduled to run on 1/1/2017 12:30:15 AM."},
        {kActionStandBy, Trigger::FromNow,
         L"Stand by scheduled to run after 2 hours and 45 minutes."},
        {kActionHibernate, Trigger::None, L""},
        {kActionNone, Trigger::Daily, L" scheduled to run on 10:00:00 PM every day."},
    };
    for (const Case& c : cases) {
        Choose(c.action, c.trigger);
        EXPECT_EQ(Summary(), c.summary);
    }
}

TEST_F(TaskSummaryTest, UsesCaptionsAndTemplatesAsTheyStandNow) {
    controls.standByRadio.SetCaption(std::wstring(kSleepCaption));
    catalogue.SetText(CatalogueEntry::FromNowSummary, L"N%: H% h M% min (n%)");
    Choose(kActionStandBy, Trigger::FromNow);
    EXPECT_EQ(Summary(), L"Sleep: 1 h 0 min (Sleep)");
}

TEST_F(TaskSummaryTest, RunningFromNowTaskShowsItsDueMomentFromTheTaskOrDelay) {
    Choose(kActionShutDown, Trigger::FromNow);
    task.status = TaskStatus::Set;
    controls.delayHoursField.SetText(L"1");
    controls.delayMinutesField.SetText(L"30");

    // No moment known: made from the delay and kept.
    EXPECT_EQ(Summary(), L"Shut down scheduled to run on 12/24/2016 10:35:09 PM.");
    EXPECT_EQ(task.fromNowDueText, L"12/24/2016 10:35:09 PM");

    // Kept: the task's moment does not replace it.
    task.dueText = L"1/1/2017";
    EXPECT_EQ(Summary(), L"Shut down scheduled to run on 12/24/2016 10:35:09 PM.");

    // Emptied: the task's own moment.
    task.fromNowDueText.clear();
    EXPECT_EQ(Summary(), L"Shut down scheduled to run on 1/1/2017.");
    EXPECT_EQ(task.fromNowDueText, L"1/1/2017");
}

TEST_F(TaskSummaryTest, FromNowChoiceBeforeStartShowsTheDelayTexts) {
    Choose(kActionShutDown, Trigger::FromNow);
    for (const TaskStatus status : {TaskStatus::None, TaskStatus::Ended}) {
        task.status = status;
        EXPECT_EQ(Summary(), L"Shut down scheduled to run after 1 hours and 0 minutes.");
        EXPECT_TRUE(task.fromNowDueText.empty());
    }
}

}  // namespace
}  // namespace dusk
