#include "core/task_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "task_fixture.h"

namespace dusk {
namespace {

using test::At;

class TaskViewTest : public ::testing::Test, protected test::TaskFixture {
protected:
    // Every box checked, both task buttons shown, everything else enabled or disabled.
    void Prepare(bool enabled) {
        TaskControls& c = view.controls;
        for (ImageCheckBox* box : c.ActionRadios()) {
            box->SetStatus(CheckBoxStatus::Checked);
            box->SetEnabled(enabled);
        }
        for (ImageCheckBox* box : c.TriggerBoxes()) {
            box->SetStatus(CheckBoxStatus::Checked);
            box->SetEnabled(enabled);
        }
        for (DateTimePickerModel* p :
             {&c.dailyTimePicker, &c.specifiedDatePicker, &c.specifiedTimePicker}) {
            p->SetEnabled(enabled);
        }
        c.delayHoursField.SetEnabled(enabled);
        c.delayMinutesField.SetEnabled(enabled);
        c.delayHoursUpDown.SetEnabled(enabled);
        c.delayMinutesUpDown.SetEnabled(enabled);
        view.startTaskButton.SetVisible(true);
        view.cancelTaskButton.SetVisible(true);
    }
    std::string UpDowns() const {
        return std::string(1, view.controls.delayHoursUpDown.Enabled() ? '1' : '0') +
               (view.controls.delayMinutesUpDown.Enabled() ? '1' : '0');
    }
};

TEST_F(TaskViewTest, EachOperationSetsItsControlsOnly) {
    struct Case {
        const char* name;
        std::function<void(TaskView&)> operation;
        bool enabledBefore;
        std::string view;
        const char* upDowns;
    };
    const Case cases[] = {
        {"reset", &TaskView::Reset, true, test::kNoTaskView, "11"},
        {"reset", &TaskView::Reset, false, test::kNoTaskView, "00"},
        {"lock", &TaskView::LockTaskControls, true,
         "action ----- 00000 | trigger --- 000 | inputs 000 00 |", "11"},
        {"clear actions", &TaskView::ClearActionChoice, true,
         "action ----- 11111 | trigger xxx 111 | inputs 111 11 | start cancel", "11"},
        {"clear triggers", &TaskView::ClearTriggerChoice, true,
         "action xxxxx 11111 | trigger --- 111 | inputs 111 11 | start cancel", "11"},
        {"disable actions", &TaskView::DisableActionChoice, true,
         "action xxxxx 00000 | trigger xxx 111 | inputs 111 11 | start cancel", "11"},
        {"enable actions", &TaskView::EnableActionChoice, false,
         "action xxxxx 11111 | trigger xxx 000 | inputs 000 00 | start cancel", "00"},
        {"disable triggers", &TaskView::DisableTriggerChoice, true,
         "action xxxxx 11111 | trigger xxx 000 | inputs 111 11 | start cancel", "11"},
        {"disable inputs", &TaskView::DisableTriggerInputs, true,
         "action xxxxx 11111 | trigger xxx 111 | inputs 000 00 | start cancel", "00"},
        {"task set buttons", [](TaskView& v) { v.ShowTaskButtons(true); }, true,
         "action xxxxx 11111 | trigger xxx 111 | inputs 111 11 | cancel", "11"},
    };
    for (const Case& c : cases) {
        Prepare(c.enabledBefore);
        c.operation(view);
        EXPECT_EQ(Describe(), c.view) << c.name;
        EXPECT_EQ(UpDowns(), c.upDowns) << c.name;
    }
}

TEST_F(TaskViewTest, ResetReturnsInputsIndicatorAndSummaryToNoTask) {
    TaskControls& c = view.controls;
    c.dailyTimePicker.SetValue(At(2016, 12, 20, 22, 0, 0));
    c.specifiedDatePicker.SetValue(At(2017, 1, 2, 8, 0, 0));
    c.specifiedTimePicker.SetValue(At(2016, 12, 20, 7, 30, 0));
    c.delayHoursField.SetText(L"5");
    c.delayMinutesField.SetText(L"45");
    view.SetTaskIndicator(kIndicatorTaskCancelled, L"cancelled");

    view.Reset();

    EXPECT_EQ(c.dailyTimePicker.Value(), At(2016, 12, 20, 12, 0, 0));
    EXPECT_EQ(c.specifiedTimePicker.Value(), At(2016, 12, 20, 12, 0, 0));
    EXPECT_EQ(c.specifiedDatePicker.Value(),
              At(2017, 1, 2, 21, 5, 9, 300));  // its date, now's time
    EXPECT_EQ(c.delayHoursField.Text(), L"1");
    EXPECT_EQ(c.delayMinutesField.Text(), L"0");
    EXPECT_EQ(view.indicator.IconIndex(), kIndicatorNoTask);
    EXPECT_EQ(view.indicator.Hint(), L"Tolvane Dusk Relay");
    EXPECT_EQ(view.summaryLabel.Text(), L"Please set a task.");
}

TEST_F(TaskViewTest, RefreshPadsTitlesAndTakesTheHintFromTheStatus) {
    view.Reset();
    view.SetTaskIndicator(kIndicatorTaskSet, L"old");
    const wchar_t* hints[] = {L"Tolvane Dusk Relay", L"A task has been assigned...",
                              L"The task has been canceled."};
    for (const TaskStatus status : {TaskStatus::None, TaskStatus::Set, TaskStatus::Ended}) {
        task.status = status;
        view.summaryLabel.SetText(L"stale");
        view.Refresh();
        EXPECT_EQ(view.indicator.Hint(), hints[static_cast<int>(status)]);
        EXPECT_EQ(view.indicator.IconIndex(), kIndicatorTaskSet);
        EXPECT_EQ(view.summaryLabel.Text(),
                  L"Shut down scheduled to run on 12:00:00 PM every day.");
    }
    EXPECT_EQ(view.actionBoxTitle.Text(), L"      Task      ");
    EXPECT_EQ(view.triggerBoxTitle.Text(), L"      Time      ");
}

TEST_F(TaskViewTest, ModelsNotifyOnlyRealChanges) {
    int changes = 0;
    view.summaryLabel.onStateChanged = [&] { ++changes; };
    view.startTaskButton.onStateChanged = [&] { ++changes; };
    view.indicator.onChanged = [&] { ++changes; };
    view.summaryLabel.SetText(L"Please set a task.");
    view.startTaskButton.SetVisible(true);
    view.indicator.Set(kIndicatorNoTask, L"");
    EXPECT_EQ(changes, 0);
    view.summaryLabel.SetText(L"x");
    view.startTaskButton.SetVisible(false);
    view.startTaskButton.SetEnabled(false);
    view.indicator.SetHint(L"h");
    view.indicator.SetIconIndex(kIndicatorTaskSet);
    EXPECT_EQ(changes, 5);
}

}  // namespace
}  // namespace dusk
