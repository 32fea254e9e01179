#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "core/main_window_host.h"
#include "core/task_registration.h"
#include "core/task_store.h"
#include "core/task_view.h"
#include "core/task_watch.h"

namespace dusk {

struct TaskRestorerServices {
    const Clock& clock;
    TaskStore& taskStore;
    TaskRegistration& registration;
    MainWindowHost& mainWindow;
    std::wstring osFamily;  // from the companion library
};

// The task part of the main window's first showing: restores a task registered with the
// system scheduler or kept in the settings store, and forgets one that can no longer fire.
class TaskRestorer {
public:
    TaskRestorer(TaskRecord& task, TaskView& view, TaskWatch& watch, TaskRestorerServices services);
    TaskRestorer(const TaskRestorer&) = delete;
    TaskRestorer& operator=(const TaskRestorer&) = delete;

    // Runs at the first showing: the notice window reads its "Ignore" preference.
    std::function<void()> readNoticePreference;

    // Later showings change nothing.
    void OnFirstShow();

private:
    DateTime Now() const { return services_.clock.Now(); }
    bool RestoreScheduledTask();
    // The local task kept in the settings store; true when one was restored.
    bool LoadStoredTask();
    void ShowStoredTaskSet(ImageCheckBox& triggerBox);
    void RestoreAction(TaskAction action);
    void ShowSpecifiedMoment(DateTime due);
    // The delay fields as stored; a damaged text leaves its field empty.
    void ShowDelay(std::wstring_view hours, std::wstring_view minutes);

    TaskRecord& task_;
    TaskView& view_;
    TaskWatch& watch_;
    TaskRestorerServices services_;
    bool shown_ = false;
};

}  // namespace dusk
