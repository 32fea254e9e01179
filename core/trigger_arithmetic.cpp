#include "core/trigger_arithmetic.h"

#include <algorithm>
#include <optional>

namespace dusk {

namespace {

// Milliseconds from now's whole second to the next time the clock shows the daily time of day,
// wrapping past midnight: 0 up to a day less a millisecond.
std::optional<std::int64_t> DailyMsAhead(std::wstring_view dailyTimeText, DateTime now,
                                         const RegionalFormats& formats) {
    const auto daily = formats.ParseLongTime(dailyTimeText);
    if (!daily) return std::nullopt;
    return DailyMsAhead(*daily, now);
}

}  // namespace

std::int64_t DailyMsAhead(std::int64_t dailyTimeOfDayMs, DateTime now) {
    const std::int64_t nowWholeSecond =
        now.TimeOfDayMs() / DateTime::kMsPerSecond * DateTime::kMsPerSecond;
    const std::int64_t ahead = (dailyTimeOfDayMs - nowWholeSecond) % DateTime::kMsPerDay;
    return ahead < 0 ? ahead + DateTime::kMsPerDay : ahead;
}

int DelayFieldValue(std::wstring_view text) {
    constexpr std::size_t kMaxDigits = 9;  // stays within int
    if (text.empty() || text.size() > kMaxDigits) return 0;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return 0;
        value = value * 10 + (c - L'0');
    }
    return value;
}

DateTime DelayedDue(DateTime now, int hours, int minutes) {
    return now.Plus(std::max(hours, 0) * DateTime::kMsPerHour)
        .Plus(std::max(minutes, 0) * DateTime::kMsPerMinute);
}

std::wstring FormatDelayedDue(DateTime now, int hours, int minutes,
                              const RegionalFormats& formats) {
    return formats.FormatDefault(DelayedDue(now, hours, minutes));
}

std::wstring SpecifiedDueText(DateTime date, DateTime timeOfDay, const RegionalFormats& formats) {
    return formats.FormatShortDate(date) + L" " + formats.FormatLongTime(timeOfDay);
}

bool IsTaskDue(const TaskRecord& task, DateTime now, const RegionalFormats& formats) {
    if (task.trigger == TriggerKind::Daily) {
        const auto ahead = DailyMsAhead(task.dailyTimeText, now, formats);
        return ahead && *ahead > 0 && *ahead <= kDueWindowMs;
    }
    if (IsOneShot(task.trigger)) {
        const auto due = formats.ParseDateTime(task.dueText);
        return due && MillisecondsBetween(*due, now) <= kDueWindowMs;
    }
    return false;
}

int DailySecondsAhead(std::wstring_view dailyTimeText, DateTime now,
                      const RegionalFormats& formats) {
    const auto ahead = DailyMsAhead(dailyTimeText, now, formats);
    return ahead ? static_cast<int>(*ahead / DateTime::kMsPerSecond) : kUnreadableDailySeconds;
}

std::optional<DateTime> TaskMomentNear(const TaskRecord& task, DateTime now,
                                       const RegionalFormats& formats) {
    if (task.trigger == TriggerKind::Daily) {
        const auto daily = formats.ParseLongTime(task.dailyTimeText);
        if (!daily) return std::nullopt;
        const DateTime today = now.Date().Plus(*daily);
        // The day's moment nearest to now: a start just after midnight belongs to yesterday's.
        if (MillisecondsBetween(today, now) > DateTime::kMsPerDay / 2) {
            return today.Plus(-DateTime::kMsPerDay);
        }
        if (MillisecondsBetween(today, now) < -DateTime::kMsPerDay / 2) {
            return today.Plus(DateTime::kMsPerDay);
        }
        return today;
    }
    if (IsOneShot(task.trigger)) return formats.ParseDateTime(task.dueText);
    return std::nullopt;
}

bool IsScheduledStartDue(const TaskRecord& task, DateTime now, const RegionalFormats& formats) {
    const auto moment = TaskMomentNear(task, now, formats);
    if (!moment) return false;
    const std::int64_t late = MillisecondsBetween(now, *moment);
    return late >= -kScheduledStartEarlyMs && late <= kScheduledStartLateMs;
}

bool IsDueStillValid(std::wstring_view dueText, DateTime now, const RegionalFormats& formats) {
    const auto due = formats.ParseDateTime(dueText);
    if (!due) return false;
    const std::int64_t ahead = MillisecondsBetween(*due, now);
    if (ahead != 0 && ahead > -kRestoreGraceMs && ahead < kRestoreGraceMs) return true;
    return now < *due;
}

}  // namespace dusk
