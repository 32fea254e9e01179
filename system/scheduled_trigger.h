#pragma once
#include <cstdint>
#include <string>

#include "core/regional_formats.h"
#include "system/task_scheduler.h"

namespace dusk {

// The job's start time in the long time form when timeOnly, else its begin date in the short
// date form, one blank and the start time. Empty when the job's date or time names no real
// moment (a damaged job), so that nothing is restored from it.
std::wstring FormatTriggerTime(const ScheduledJob& task, bool timeOnly,
                               const RegionalFormats& formats);

// Task Scheduler 1.0 trigger types (TASK_TRIGGER_TYPE).
enum class TriggerSchedule : std::int32_t { Once = 0, Daily = 1 };

// The members of the 1.0 trigger record that the program sets; every other one stays 0.
struct TriggerFields {
    std::uint16_t beginYear = 0;
    std::uint16_t beginMonth = 0;
    std::uint16_t beginDay = 0;
    std::uint16_t startHour = 0;
    std::uint16_t startMinute = 0;
    TriggerSchedule schedule = TriggerSchedule::Once;
    // The first word of the type union: the daily interval, written for a once trigger too.
    std::uint16_t daysInterval = 0;

    friend bool operator==(const TriggerFields&, const TriggerFields&) = default;
};

// The kind word "Day" (any letter case) makes a daily trigger; every other word a once trigger.
bool IsDailyTrigger(const ScheduledJob& task);
TriggerFields TriggerFieldsFor(const ScheduledJob& task);

}  // namespace dusk
