#include "core/task_controller.h"

#include "core/trigger_arithmetic.h"

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
      task_(task),
      log_(s.log) {
    clockTimer.onTimer = [this] { OnClockTick(); };
    view_.onPostponeChosen = [this](int minutes) { OnPostpone(minutes); };
}

void TaskController::OnClockTick() {
    const DateTime now = clock_.Now();
    view_.clockLabel.SetText(formats_.FormatDefault(now));
    NotePostponedMoment(now);
    warning_.SetExtraMoment(watch_.MovedDailyMoment());
    const auto warning = warning_.Check(task_, now, view_.warningLead.Value());
    UpdatePostponeChoice(now);
    if (!warning || !onEarlyWarning) return;
    // The caption the action's radio button shows (Sleep where the system says so).
    const ImageCheckBox* radio = view_.controls.ActionRadio(task_.action);
    if (!radio) return;
    onEarlyWarning(EarlyWarningText(radio->Caption(), *warning, formats_));
}

bool TaskController::OnPostpone(int minutes) {
    const DateTime now = clock_.Now();
    const auto moment = MomentAtHand(now);
    // Offered before the moment, Postpone moves it later, never nearer.
    if (!watch_.Postpone(minutes, moment && now < *moment ? *moment : now)) return false;
    NotePostponedMoment(now);
    UpdatePostponeChoice(now);
    return true;
}

void TaskController::BindWarningLead(SettingsStore& store) {
    view_.warningLead.SetValue(ReadWarnMinutes(store));
    view_.warningLead.onChange = [this, &store] {
        const std::int32_t minutes = view_.warningLead.Value();
        // The running program warns with the new lead time even where it could not be kept.
        if (!WriteWarnMinutes(store, minutes)) {
            log_.Record(L"warning lead time not stored: " + WarnMinutesText(minutes));
        }
    };
}

std::optional<DateTime> TaskController::MomentAtHand(DateTime now) const {
    if (const auto moved = watch_.MovedDailyMoment()) return moved;
    return NextTaskMoment(task_, now);
}

void TaskController::UpdatePostponeChoice(DateTime now) {
    const auto moment = MomentAtHand(now);
    view_.postponeButton.SetVisible(IsTaskSet(task_.status) && moment &&
                                    MillisecondsBetween(*moment, now) > kDueWindowMs &&
                                    warning_.Warned(*moment));
}

void TaskController::NotePostponedMoment(DateTime now) {
    // A moment just chosen within the lead time is not warned of once more.
    if (const auto moved = watch_.TakePostponedMoment()) {
        warning_.NoteChosenMoment(*moved, now, view_.warningLead.Value());
    }
}

void TaskController::OnFirstShow() {
    restorer_.OnFirstShow();
    clockTimer.SetEnabled(true);
}

}  // namespace dusk
