#include "core/postponement.h"

#include <algorithm>

#include "core/trigger_arithmetic.h"

namespace dusk {

std::optional<Postponement> PlanPostponement(const TaskRecord& task, DateTime now, int minutes,
                                             const RegionalFormats& formats) {
    if (task.trigger == TriggerKind::None ||
        std::find(kPostponeMinutes.begin(), kPostponeMinutes.end(), minutes) ==
            kPostponeMinutes.end()) {
        return std::nullopt;
    }
    Postponement plan;
    plan.trigger = task.trigger;
    plan.due = DelayedDue(now, 0, minutes);
    if (task.trigger == TriggerKind::Daily) return plan;
    const std::wstring keyword(ActionKeyword(task.actionCode));
    if (task.trigger == TriggerKind::Specified) {
        // A specified moment is kept to the second by its text: the new one is on a whole second.
        plan.due = DateTime::FromMilliseconds(plan.due.Milliseconds() -
                                              plan.due.Milliseconds() % DateTime::kMsPerSecond);
        plan.dueText = SpecifiedDueText(plan.due, plan.due, formats);
        plan.job = {keyword, TriggerKind::Specified, plan.due, {}, {}};
        plan.stored = {TriggerKind::Specified, task.actionCode, plan.dueText, {}};
    } else {
        const std::wstring hours = L"0";
        const std::wstring minutesText = std::to_wstring(minutes);
        plan.dueText = formats.FormatDefault(plan.due);
        plan.job = {keyword, TriggerKind::FromNow, plan.due, hours, minutesText};
        plan.stored = {TriggerKind::FromNow, task.actionCode, plan.dueText,
                       hours + L"|" + minutesText};
    }
    return plan;
}

}  // namespace dusk
