#pragma once
#include <cstdint>
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
// DailySecondsAhead of a daily time that does not read back: a whole day away, outside every
// real answer (-86399 to 86399), so the watch timer stays slow and the task is never due.
constexpr int kUnreadableDailySeconds = 24 * 60 * 60;

// The number a delay field shows; 0 for an empty, non-numeric or oversized text.
int DelayFieldValue(std::wstring_view text);

// The due moment of a from-now task: now plus hours, then minutes (each below 0 counts as 0).
DateTime DelayedDue(DateTime now, int hours, int minutes);
// The same in the default form. Keeps now's seconds; the text drops the milliseconds.
std::wstring FormatDelayedDue(DateTime now, int hours, int minutes, const RegionalFormats& formats);

// The specified trigger's text: the date picker's date, one blank, the time picker's time.
std::wstring SpecifiedDueText(DateTime date, DateTime timeOfDay, const RegionalFormats& formats);

// Daily: due while its time of day is 1 to 30 seconds ahead of now's whole second. One-shot:
// due from 30 seconds before its moment on, however late. A text that does not read back is
// never due.
bool IsTaskDue(const TaskRecord& task, DateTime now, const RegionalFormats& formats);

// Whole seconds from now's time of day to the daily time of day, truncated toward zero;
// kUnreadableDailySeconds when the text does not read back.
int DailySecondsAhead(std::wstring_view dailyTimeText, DateTime now,
                      const RegionalFormats& formats);

// A restored one-shot moment is valid when in the future or less than 60 seconds past; one
// equal to now, further past, or not reading back is expired.
bool IsDueStillValid(std::wstring_view dueText, DateTime now, const RegionalFormats& formats);

}  // namespace dusk
