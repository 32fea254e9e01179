#include "core/trigger_arithmetic.h"

#include <algorithm>
#include <optional>

namespace dusk {

namespace {

// Milliseconds from now's whole second to the daily time of day, both without a date.
std::optional<std::int64_t> DailyMsAhead(std::wstring_view dailyTimeText, DateTime now,
                                         const RegionalFormats& formats) {
    const auto daily = formats.ParseLongTime(dailyTimeText);
    if (!daily) return std::nullopt;
    const std::int64_t nowWholeSecond =
        now.TimeOfDayMs() / DateTime::kMsPerSecond * DateTime::kMsPerSecond;
    return *daily - nowWholeSecond;
}

}  // namespace

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
    if (task.Trigger == TriggerKind::Daily) {
        const auto ahead = DailyMsAhead(task.DailyTimeText, now, formats);
        return ahead && *ahead > 0 && *ahead <= kDueWindowMs;
    }
    if (IsOneShot(task.Trigger)) {
        const auto due = formats.ParseDateTime(task.DueText);
        return due && MillisecondsBetween(*due, now) <= kDueWindowMs;
    }
    return false;
}

int DailySecondsAhead(std::wstring_view dailyTimeText, DateTime now,
                      const RegionalFormats& formats) {
    const auto ahead = DailyMsAhead(dailyTimeText, now, formats);
    return ahead ? static_cast<int>(*ahead / DateTime::kMsPerSecond) : kUnreadableDailySeconds;
}

bool IsDueStillValid(std::wstring_view dueText, DateTime now, const RegionalFormats& formats) {
    const auto due = formats.ParseDateTime(dueText);
    if (!due) return false;
    const std::int64_t ahead = MillisecondsBetween(*due, now);
    if (ahead != 0 && ahead > -kRestoreGraceMs && ahead < kRestoreGraceMs) return true;
    return now < *due;
}

}  // namespace dusk
