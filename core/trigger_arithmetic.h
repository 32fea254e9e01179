#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "core/regional_formats.h"
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
// DailySecondsAhead of a daily time that does not read back: a whole day away, outside every
// real answer (0 to 86399), so the watch timer stays slow and the task is never due.
constexpr int kUnreadableDailySeconds = 24 * 60 * 60;

// Milliseconds from now's whole second to the next showing of the daily time of day on the
// clock, wrapping past midnight: 0 (now) to a day less a second.
std::int64_t DailyMsAhead(std::int64_t dailyTimeOfDayMs, DateTime now);

// The number a delay field shows; 0 for an empty, non-numeric or oversized text.
int DelayFieldValue(std::wstring_view text);

// The due moment of a from-now task: now plus hours, then minutes (each below 0 counts as 0).
DateTime DelayedDue(DateTime now, int hours, int minutes);
// The same in the default form. Keeps now's seconds; the text drops the milliseconds.
std::wstring FormatDelayedDue(DateTime now, int hours, int minutes, const RegionalFormats& formats);

// The specified trigger's text: the date picker's date, one blank, the time picker's time.
std::wstring SpecifiedDueText(DateTime date, DateTime timeOfDay, const RegionalFormats& formats);

// Daily: due while its time of day is 1 to 30 seconds ahead of now's whole second, past
// midnight too. One-shot:
// due from 30 seconds before its moment on, however late. A text that does not read back is
// never due.
bool IsTaskDue(const TaskRecord& task, DateTime now, const RegionalFormats& formats);

// Whole seconds until the daily time of day next shows, wrapping past midnight;
// kUnreadableDailySeconds when the text does not read back.
int DailySecondsAhead(std::wstring_view dailyTimeText, DateTime now,
                      const RegionalFormats& formats);

// The task's moment nearest to now: a one-shot task's own, a daily task's on the nearest day.
// Nothing when there is no task or its text does not read back.
std::optional<DateTime> TaskMomentNear(const TaskRecord& task, DateTime now,
                                       const RegionalFormats& formats);

// A start by the system scheduler acts only for a task whose moment is due now: from a minute
// before it to five minutes after.
bool IsScheduledStartDue(const TaskRecord& task, DateTime now, const RegionalFormats& formats);

// A restored one-shot moment is valid when in the future or less than 60 seconds past; one
// equal to now, further past, or not reading back is expired.
bool IsDueStillValid(std::wstring_view dueText, DateTime now, const RegionalFormats& formats);

}  // namespace dusk
