#include "core/trigger_arithmetic.h"

#include <algorithm>

namespace dusk {

std::int64_t DailyMsAhead(TimeOfDay dailyTime, DateTime now) {
    const std::int64_t nowWholeSecond =
        now.TimeOfDayMs() / DateTime::kMsPerSecond * DateTime::kMsPerSecond;
    const std::int64_t ahead = (dailyTime.Milliseconds() - nowWholeSecond) % DateTime::kMsPerDay;
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

bool IsTaskDue(const TaskRecord& task, DateTime now) {
    if (task.trigger == TriggerKind::Daily) {
        const std::int64_t ahead = DailyMsAhead(task.dailyTime, now);
        return ahead > 0 && ahead <= kDueWindowMs;
    }
    if (IsOneShot(task.trigger)) return MillisecondsBetween(task.due, now) <= kDueWindowMs;
    return false;
}

int DailySecondsAhead(TimeOfDay dailyTime, DateTime now) {
    return static_cast<int>(DailyMsAhead(dailyTime, now) / DateTime::kMsPerSecond);
}

std::optional<DateTime> TaskMomentNear(const TaskRecord& task, DateTime now) {
    if (task.trigger == TriggerKind::Daily) {
        const DateTime today = task.dailyTime.On(now);
        // The day's moment nearest to now: a start just after midnight belongs to yesterday's.
        if (MillisecondsBetween(today, now) > DateTime::kMsPerDay / 2) {
            return today.Plus(-DateTime::kMsPerDay);
        }
        if (MillisecondsBetween(today, now) < -DateTime::kMsPerDay / 2) {
            return today.Plus(DateTime::kMsPerDay);
        }
        return today;
    }
    if (IsOneShot(task.trigger)) return task.due;
    return std::nullopt;
}

bool IsScheduledStartDue(const TaskRecord& task, DateTime now) {
    const auto moment = TaskMomentNear(task, now);
    if (!moment) return false;
    const std::int64_t late = MillisecondsBetween(now, *moment);
    return late >= -kScheduledStartEarlyMs && late <= kScheduledStartLateMs;
}

bool IsDueStillValid(DateTime due, DateTime now) {
    const std::int64_t ahead = MillisecondsBetween(due, now);
    if (ahead != 0 && ahead > -kRestoreGraceMs && ahead < kRestoreGraceMs) return true;
    return now < due;
}

}  // namespace dusk
