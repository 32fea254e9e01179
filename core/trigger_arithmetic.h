#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/date_time.h"
#include "core/task_model.h"

namespace dusk {

// A task is found due this long before its moment.
constexpr std::int64_t kDueWindowMs = 30 * DateTime::kMsPerSecond;
// A restored one-shot task stays valid this long after its moment.
constexpr std::int64_t kRestoreGraceMs = 60 * DateTime::kMsPerSecond;
// The scheduler keeps its jobs to the minute, so it starts the program up to this long before a
// task's moment; a start later than the other bound belongs to no task that is due now.
constexpr std::int64_t kScheduledStartEarlyMs = 60 * DateTime::kMsPerSecond;
constexpr std::int64_t kScheduledStartLateMs = 5 * DateTime::kMsPerMinute;

// Milliseconds from now's whole second to the next showing of the daily time of day on the
// clock, wrapping past midnight: 0 (now) to a day less a second.
std::int64_t DailyMsAhead(TimeOfDay dailyTime, DateTime now);

// The number a delay field shows; 0 for an empty, non-numeric or oversized text.
int DelayFieldValue(std::wstring_view text);

// The due moment of a from-now task: now plus hours, then minutes (each below 0 counts as 0).
DateTime DelayedDue(DateTime now, int hours, int minutes);

// Daily: due while its time of day is 1 to 30 seconds ahead of now's whole second, past
// midnight too. One-shot: due from 30 seconds before its moment on, however late.
bool IsTaskDue(const TaskRecord& task, DateTime now);

// Whole seconds until the daily time of day next shows, wrapping past midnight.
int DailySecondsAhead(TimeOfDay dailyTime, DateTime now);

// The task's moment nearest to now: a one-shot task's own, a daily task's on the nearest day.
// Nothing when there is no task.
std::optional<DateTime> TaskMomentNear(const TaskRecord& task, DateTime now);

// A start by the system scheduler acts only for a task whose moment is due now: from a minute
// before it to five minutes after.
bool IsScheduledStartDue(const TaskRecord& task, DateTime now);

// A restored one-shot moment is valid when in the future or less than 60 seconds past; one
// equal to now or further past is expired.
bool IsDueStillValid(DateTime due, DateTime now);

}  // namespace dusk
