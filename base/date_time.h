#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace dusk {

struct DateTimeParts {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// A local calendar date with a time of day, kept as whole milliseconds since
// 0001-01-01 00:00:00.000 (proleptic Gregorian). No time zone: all values are local.
// Differences are exact integers, so "at most 30 seconds" never depends on rounding.
class DateTime {
public:
    static constexpr std::int64_t kMsPerSecond = 1000;
    static constexpr std::int64_t kMsPerMinute = 60 * kMsPerSecond;
    static constexpr std::int64_t kMsPerHour = 60 * kMsPerMinute;
    static constexpr std::int64_t kMsPerDay = 24 * kMsPerHour;

    constexpr DateTime() = default;
    static constexpr DateTime FromMilliseconds(std::int64_t ms) { return DateTime(ms); }
    // Nothing when the parts do not name a real date and time (month 13, 30 February, hour 24...).
    static std::optional<DateTime> FromParts(const DateTimeParts& parts);

    constexpr std::int64_t Milliseconds() const { return ms_; }
    DateTimeParts Parts() const;
    // Midnight of the same day.
    DateTime Date() const;
    // Milliseconds since midnight, 0 to kMsPerDay - 1.
    std::int64_t TimeOfDayMs() const;
    constexpr DateTime Plus(std::int64_t ms) const { return DateTime(ms_ + ms); }
    // The same moment without its milliseconds.
    constexpr DateTime WholeSecond() const {
        return DateTime(ms_ - ((ms_ % kMsPerSecond) + kMsPerSecond) % kMsPerSecond);
    }

    friend constexpr auto operator<=>(DateTime, DateTime) = default;

private:
    constexpr explicit DateTime(std::int64_t ms) : ms_(ms) {}
    std::int64_t ms_ = 0;
};

// A time of day on the clock, 00:00:00.000 to 23:59:59.999, of no particular date.
class TimeOfDay {
public:
    constexpr TimeOfDay() = default;
    // Wraps into one day.
    static constexpr TimeOfDay FromMilliseconds(std::int64_t ms) {
        return TimeOfDay(((ms % DateTime::kMsPerDay) + DateTime::kMsPerDay) % DateTime::kMsPerDay);
    }
    static TimeOfDay Of(DateTime moment) { return TimeOfDay(moment.TimeOfDayMs()); }

    // Milliseconds since midnight.
    constexpr std::int64_t Milliseconds() const { return ms_; }
    // This time of day on the day of the given moment.
    DateTime On(DateTime day) const { return day.Date().Plus(ms_); }
    constexpr TimeOfDay WholeSecond() const {
        return TimeOfDay(ms_ - ms_ % DateTime::kMsPerSecond);
    }

    friend constexpr auto operator<=>(TimeOfDay, TimeOfDay) = default;

private:
    constexpr explicit TimeOfDay(std::int64_t ms) : ms_(ms) {}
    std::int64_t ms_ = 0;
};

// later - earlier, in milliseconds.
constexpr std::int64_t MillisecondsBetween(DateTime later, DateTime earlier) {
    return later.Milliseconds() - earlier.Milliseconds();
}

// "2026-12-08T22:00:00": the moment to the second, the same in every region.
std::wstring FormatIso(DateTime moment);

}  // namespace dusk
