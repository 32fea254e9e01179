#pragma once
#include <string>

#include "base/clock.h"
#include "core/activity_log.h"
#include "core/main_window_host.h"
#include "core/message_catalogue.h"
#include "core/startup_shortcut.h"
#include "core/task_choice.h"
#include "core/task_registration.h"
#include "core/task_store.h"
#include "core/task_view.h"
#include "core/task_watch.h"
#include "core/user_prompts.h"

namespace dusk {

struct TaskStarterServices {
    const Clock& clock;
    const MessageCatalogue& catalogue;
    TaskStore& taskStore;
    UserPrompts& prompts;
    TaskRegistration& registration;
    MainWindowHost& mainWindow;
    StartupShortcut& startupShortcut;
    ActivityLog& log;
};

// Start Task and Cancel Task: the chosen task goes to the system scheduler, or is kept inside
// the program when the scheduler cannot take it; a cancel removes whatever holds the task. The
// constructor connects the two buttons' clicks.
class TaskStarter {
public:
    TaskStarter(TaskRecord& task, TaskView& view, TaskChoice& choice, TaskWatch& watch,
                TaskStarterServices services);
    TaskStarter(const TaskStarter&) = delete;
    TaskStarter& operator=(const TaskStarter&) = delete;

    // Asks, checks the input and prepares the scheduler; the start ends in FinishStart once the
    // user is done with the scheduler's prompts.
    void OnStartTaskClick();
    void OnCancelTaskClick();

private:
    DateTime Now() const { return services_.clock.Now(); }
    void FinishStart(TaskAction action, bool schedulerReady);
    bool Ask(CatalogueEntry question);
    void Warn(CatalogueEntry warning);
    // A specified moment within the minute that has begun cannot be registered.
    bool IsRegistrable(const ScheduledTask& chosen) const;
    void ShowScheduledTaskSet(const ScheduledTask& scheduled);
    // Keeps the chosen, checked task inside the program; false when it could not be stored.
    bool StartTaskLocally(TaskAction action);
    // A new task is set: the view locks its inputs, offers Cancel Task and the window hides.
    void ShowTaskSet();
    void RecordLocalTask();
    // Has the system start the program at log-on for a task kept here; says so when it cannot.
    void StartAtLogon();

    TaskRecord& task_;
    TaskView& view_;
    TaskChoice& choice_;
    TaskWatch& watch_;
    TaskStarterServices services_;
};

}  // namespace dusk
