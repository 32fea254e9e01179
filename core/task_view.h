#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/button_model.h"
#include "base/choice_model.h"
#include "base/clock.h"
#include "base/label_model.h"
#include "core/early_warning.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_controls.h"
#include "core/task_indicator.h"
#include "core/task_model.h"

namespace dusk {

// The task area of the main window and the task indicator of the notification-area icon, with
// the operations that move them between the no-task, task-set and cancelled states. The window
// binds its controls to these models; everything else changes them only through this class or
// through the models' own setters.
class TaskView {
public:
    TaskView(const TaskRecord& task, const MessageCatalogue& catalogue,
             const RegionalFormats& formats, const Clock& clock);
    TaskView(const TaskView&) = delete;
    TaskView& operator=(const TaskView&) = delete;

    TaskControls controls;
    ButtonModel startTaskButton{true};    // "Start Task"
    ButtonModel cancelTaskButton{false};  // "Cancel Task"
    ButtonModel postponeButton{false};    // "Postpone", while a warned moment is ahead
    // A choice from the Postpone menu, in minutes; the controller acts on it.
    std::function<void(int minutes)> onPostponeChosen;
    ChoiceModel warningLead{kDefaultWarnMinutes};  // the early warning's lead time, 0 for off
    LabelModel summaryLabel{L"Please set a task."};
    LabelModel clockLabel;
    LabelModel actionBoxTitle{L"Task"};
    LabelModel triggerBoxTitle{L"Time"};
    TaskIndicator indicator;

    // No task: shut down, daily at noon, delay 1 hour 0 minutes, Start Task shown, indicator 0.
    // The date picker keeps its date and takes now's time of day; the up-downs stay as they are.
    void Reset();
    // Every task control unchecked and disabled, the task buttons and Postpone hidden; up-downs
    // untouched.
    void LockTaskControls();
    void ClearActionChoice();
    void ClearTriggerChoice();
    void DisableActionChoice();
    void EnableActionChoice();
    void DisableTriggerChoice();
    // Of the three pickers, both delay fields and both up-downs, enables the chosen trigger's only.
    void EnableTriggerInputs(bool daily, bool specified, bool fromNow);
    void DisableTriggerInputs() { EnableTriggerInputs(false, false, false); }
    // Start Task hidden, Cancel Task shown.
    void ShowTaskButtons(bool taskSet);
    void SetTaskIndicator(int iconIndex, std::wstring hint);
    void UpdateTaskSummary();
    // At the first showing and on the refresh message: pads the box titles with two blanks on
    // each side (each call adds two more), sets the indicator's hint from the task status and
    // rewrites the summary.
    void Refresh();

private:
    const TaskRecord& task_;
    const MessageCatalogue& catalogue_;
    const RegionalFormats& formats_;
    const Clock& clock_;
};

}  // namespace dusk
