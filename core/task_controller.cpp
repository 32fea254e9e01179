#include "core/task_controller.h"

namespace dusk {

TaskController::TaskController(TaskRecord& task, TaskView& view, const TaskControllerServices& s)
    : watchTimer(watch_.watchTimer),
      readNoticePreference(restorer_.readNoticePreference),
      view_(view),
      clock_(s.clock),
      formats_(s.formats),
      choice_(task, view, s.clock, s.formats, s.catalogue, s.prompts),
      watch_(task, view,
             {s.clock, s.formats, s.countdown, s.power, s.mainWindow, s.registration, s.taskStore,
              s.log}),
      starter_(task, view, choice_, watch_,
               {s.clock, s.formats, s.catalogue, s.taskStore, s.prompts, s.registration,
                s.mainWindow, s.startupShortcut, s.log}),
      restorer_(task, view, watch_,
                {s.clock, s.formats, s.catalogue, s.taskStore, s.registration, s.mainWindow,
                 s.osFamily}) {
    clockTimer.OnTimer = [this] { OnClockTick(); };
}

void TaskController::OnClockTick() {
    view_.clockLabel.SetText(formats_.FormatDefault(clock_.Now()));
}

void TaskController::OnFirstShow() {
    restorer_.OnFirstShow();
    clockTimer.SetEnabled(true);
}

}  // namespace dusk
