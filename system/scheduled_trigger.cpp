#include "system/scheduled_trigger.h"

#include <optional>

#include "base/text_case.h"

namespace dusk {

std::wstring FormatTriggerTime(const ScheduledJob& task, bool timeOnly,
                               const RegionalFormats& formats) {
    const std::optional<DateTime> time =
        DateTime::FromParts({.hour = task.startHour, .minute = task.startMinute});
    if (!time) return {};
    if (timeOnly) return formats.FormatLongTime(*time);
    const std::optional<DateTime> date = DateTime::FromParts(
        {.year = task.beginYear, .month = task.beginMonth, .day = task.beginDay});
    if (!date) return {};
    return formats.FormatShortDate(*date) + L" " + formats.FormatLongTime(*time);
}

bool IsDailyTrigger(const ScheduledJob& task) {
    return EqualsIgnoringCase(task.triggerKind, kTriggerKindDaily);
}

TriggerFields TriggerFieldsFor(const ScheduledJob& task) {
    return {task.beginYear,
            task.beginMonth,
            task.beginDay,
            task.startHour,
            task.startMinute,
            IsDailyTrigger(task) ? TriggerSchedule::Daily : TriggerSchedule::Once,
            static_cast<std::uint16_t>(task.daysInterval & 0xFFFF)};
}

}  // namespace dusk
