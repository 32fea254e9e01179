#include "base/date_time.h"

#include <cwchar>
#include <iterator>

namespace dusk {

namespace {

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

// Division that rounds toward minus infinity, so moments before the epoch still split into a
// day and a non-negative time of day.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 0001-01-01 of a proleptic Gregorian date (civil-from-days in reverse, with years
// counted from March so that the leap day comes last).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr std::int64_t kDaysFromMarch0000To0001 = 306;
    return era * 146097 + dayOfEra - kDaysFromMarch0000To0001;
}

void CivilFromDays(std::int64_t days, DateTimeParts& parts) {
    constexpr std::int64_t kDaysFromMarch0000To0001 = 306;
    const std::int64_t shifted = days + kDaysFromMarch0000To0001;
    const std::int64_t era = FloorDiv(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
}

}  // namespace

std::optional<DateTime> DateTime::FromParts(const DateTimeParts& p) {
    if (p.year < kMinYear || p.year > kMaxYear || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > DaysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59 || p.millisecond < 0 ||
        p.millisecond > 999) {
        return std::nullopt;
    }
    return DateTime(DaysFromCivil(p.year, p.month, p.day) * kMsPerDay + p.hour * kMsPerHour +
                    p.minute * kMsPerMinute + p.second * kMsPerSecond + p.millisecond);
}

DateTimeParts DateTime::Parts() const {
    DateTimeParts parts;
    CivilFromDays(FloorDiv(ms_, kMsPerDay), parts);
    const std::int64_t time = TimeOfDayMs();
    parts.hour = static_cast<int>(time / kMsPerHour);
    parts.minute = static_cast<int>(time % kMsPerHour / kMsPerMinute);
    parts.second = static_cast<int>(time % kMsPerMinute / kMsPerSecond);
    parts.millisecond = static_cast<int>(time % kMsPerSecond);
    return parts;
}

DateTime DateTime::Date() const { return DateTime(ms_ - TimeOfDayMs()); }

std::int64_t DateTime::TimeOfDayMs() const { return ms_ - FloorDiv(ms_, kMsPerDay) * kMsPerDay; }

std::wstring FormatIso(DateTime moment) {
    const DateTimeParts p = moment.Parts();
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

}  // namespace dusk
