#pragma once
#include <optional>

#include "base/clock.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_model.h"
#include "core/task_registration.h"
#include "core/task_view.h"
#include "core/user_prompts.h"

namespace dusk {

// The user's choice of action and trigger in the task area: answers the controls' events and
// reads the chosen task. The constructor connects the task controls' events.
class TaskChoice {
public:
    TaskChoice(const TaskRecord& task, TaskView& view, const Clock& clock,
               const RegionalFormats& formats, const MessageCatalogue& catalogue,
               UserPrompts& prompts);
    TaskChoice(const TaskChoice&) = delete;
    TaskChoice& operator=(const TaskChoice&) = delete;

    void OnActionClick(TaskAction action);
    void OnDailyClick();
    void OnSpecifiedClick();
    void OnFromNowClick();
    // Any picker or delay field changed.
    void OnTaskInputChange();

    // The chosen task as of now; a from-now moment is rounded up to the scheduler's minute.
    // Nothing when no action or trigger is chosen.
    std::optional<ScheduledTask> Chosen(TaskAction action) const;
    // A past specified moment or a zero delay is refused with the catalogue's warning.
    bool CheckInput();

private:
    // Checks one trigger box and enables only the inputs that belong to it.
    void ChooseTrigger(ImageCheckBox& box);

    const TaskRecord& task_;
    TaskView& view_;
    const Clock& clock_;
    const RegionalFormats& formats_;
    const MessageCatalogue& catalogue_;
    UserPrompts& prompts_;
};

}  // namespace dusk
