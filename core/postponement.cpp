#include "core/postponement.h"

#include <algorithm>

#include "core/trigger_arithmetic.h"

namespace dusk {

std::optional<Postponement> PlanPostponement(const TaskRecord& task, DateTime now, int minutes) {
    if (task.trigger == TriggerKind::None ||
        std::find(kPostponeMinutes.begin(), kPostponeMinutes.end(), minutes) ==
            kPostponeMinutes.end()) {
        return std::nullopt;
    }
    Postponement plan;
    plan.trigger = task.trigger;
    plan.due = DelayedDue(now, 0, minutes);
    if (task.trigger == TriggerKind::Daily) return plan;
    const std::wstring keyword(ActionKeyword(task.action));
    if (task.trigger == TriggerKind::Specified) {
        // A specified moment is kept to the second: the new one is on a whole second.
        plan.due = plan.due.WholeSecond();
        plan.job = {keyword, TriggerKind::Specified, plan.due, {}, {}};
        plan.stored = {TriggerKind::Specified, task.action, {}, plan.due, {}, {}, true};
    } else {
        const std::wstring hours = L"0";
        const std::wstring minutesText = std::to_wstring(minutes);
        plan.job = {keyword, TriggerKind::FromNow, plan.due, hours, minutesText};
        plan.stored = {TriggerKind::FromNow, task.action, {}, plan.due, hours, minutesText, true};
    }
    return plan;
}

}  // namespace dusk
