#pragma once
#include <array>
#include <optional>

#include "base/date_time.h"
#include "core/stored_settings.h"
#include "core/task_model.h"
#include "core/task_registration.h"
#include "core/task_store.h"

namespace dusk {

// The lengths the Postpone menu offers, in minutes, in menu order.
constexpr std::array<int, 3> kPostponeMinutes = {10, 30, 60};

// Where a postponed task falls due next and how it is held. A one-shot task moves to now plus
// the postponement and is set again like a new task of its kind: a specified moment, or a
// from-now task whose delay is the postponement. A daily task keeps its time and job; only
// this occurrence moves, and the running program counts it down.
struct Postponement {
    DateTime due;
    TriggerKind trigger = TriggerKind::None;
    ScheduledTask job;  // one-shot: what is registered again
    StoredTask stored;  // one-shot: what is kept when the task is kept inside the program
};

// Nothing for a task that is not set or minutes outside kPostponeMinutes.
std::optional<Postponement> PlanPostponement(const TaskRecord& task, DateTime now, int minutes);

}  // namespace dusk
