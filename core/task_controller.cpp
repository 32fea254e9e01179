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
             {s.clock, s.countdown, s.power, s.mainWindow, s.registration, s.taskStore, s.log}),
      starter_(task, view, choice_, watch_,
               {s.clock, s.catalogue, s.taskStore, s.prompts, s.registration, s.mainWindow,
                s.startupShortcut, s.log}),
      restorer_(task, view, watch_,
                {s.clock, s.taskStore, s.registration, s.mainWindow, s.osFamily}),
      task_(task) {
    clockTimer.onTimer = [this] { OnClockTick(); };
}

void TaskController::OnClockTick() {
    const DateTime now = clock_.Now();
    view_.clockLabel.SetText(formats_.FormatDefault(now));
    warning_.SetExtraMoment(watch_.MovedDailyMoment());
    const auto warning = warning_.Check(task_, now, warnMinutes);
    if (!warning || !onEarlyWarning) return;
    // The caption the action's radio button shows (Sleep where the system says so).
    const ImageCheckBox* radio = view_.controls.ActionRadio(task_.action);
    if (!radio) return;
    onEarlyWarning(EarlyWarningText(radio->Caption(), *warning, formats_));
}

void TaskController::OnFirstShow() {
    restorer_.OnFirstShow();
    clockTimer.SetEnabled(true);
}

}  // namespace dusk
