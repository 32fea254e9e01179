#include "core/regional_formats.h"

#include <algorithm>
#include <span>
#include <vector>

#include "base/text_case.h"
#include "core/calendar_names.h"

namespace dusk {

namespace {

enum class Field { Literal, Day, DayName, Month, MonthName, Year, Era };

// One piece of a short date pattern: a number or name field with its letter count, or literal
// text. Names have 3 letters (abbreviated) or 4 (full); years 1, 2 or 4.
struct DateToken {
    Field field;
    int letters;
    std::wstring literal;
};

std::optional<DateToken> FieldToken(wchar_t letter, int letters) {
    switch (letter) {
        case L'd':
            return letters <= 2 ? DateToken{Field::Day, letters, {}}
                                : DateToken{Field::DayName, std::min(letters, 4), {}};
        case L'M':
            return letters <= 2 ? DateToken{Field::Month, letters, {}}
                                : DateToken{Field::MonthName, std::min(letters, 4), {}};
        case L'y':
            return DateToken{Field::Year, letters <= 2 ? letters : 4, {}};
        case L'g':
            return DateToken{Field::Era, letters, {}};
        default:
            return std::nullopt;
    }
}

// The era is left out together with the blanks that set it apart ("dd/MM/yyyy gg" writes
// "24/12/2016"): it says nothing about a Gregorian date, and no text has to be matched on reading.
void DropEra(std::vector<DateToken>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].field != Field::Era) continue;
        if (i > 0 && tokens[i - 1].field == Field::Literal) {
            std::wstring& before = tokens[i - 1].literal;
            before.erase(before.find_last_not_of(L' ') + 1);
        } else if (i + 1 < tokens.size() && tokens[i + 1].field == Field::Literal) {
            std::wstring& after = tokens[i + 1].literal;
            after.erase(0, std::min(after.find_first_not_of(L' '), after.size()));
        }
    }
    std::erase_if(tokens, [](const DateToken& token) {
        return token.field == Field::Era ||
               (token.field == Field::Literal && token.literal.empty());
    });
}

// Pattern letters as listed in RegionalSettings; '/' is the date separator; 'text' in single
// quotes and every other character or letter run is literal.
std::vector<DateToken> ReadPattern(std::wstring_view pattern, const std::wstring& separator) {
    std::vector<DateToken> tokens;
    auto addLiteral = [&tokens](std::wstring_view text) {
        if (!tokens.empty() && tokens.back().field == Field::Literal) {
            tokens.back().literal += text;
        } else {
            tokens.push_back({Field::Literal, 0, std::wstring(text)});
        }
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const wchar_t c = pattern[i];
        if (c == L'\'') {
            const std::size_t close = pattern.find(L'\'', i + 1);
            const std::size_t end = close == std::wstring_view::npos ? pattern.size() : close;
            addLiteral(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == L'/') {
            addLiteral(separator);
            ++i;
            continue;
        }
        std::size_t runEnd = i;
        while (runEnd < pattern.size() && pattern[runEnd] == c) ++runEnd;
        if (auto token = FieldToken(c, static_cast<int>(runEnd - i))) {
            tokens.push_back(std::move(*token));
        } else {
            addLiteral(pattern.substr(i, runEnd - i));
        }
        i = runEnd;
    }
    DropEra(tokens);
    return tokens;
}

// The region's pattern, or year/month/day where the pattern lacks one of them and so could not
// be read back to a date.
std::vector<DateToken> TokenizeDatePattern(const RegionalSettings& settings) {
    std::vector<DateToken> tokens = ReadPattern(settings.shortDatePattern, settings.dateSeparator);
    const auto has = [&tokens](Field a, Field b) {
        return std::ranges::any_of(tokens, [a, b](const DateToken& token) {
            return token.field == a || token.field == b;
        });
    };
    if (has(Field::Day, Field::Day) && has(Field::Month, Field::MonthName) &&
        has(Field::Year, Field::Year)) {
        return tokens;
    }
    return ReadPattern(L"yyyy/MM/dd", settings.dateSeparator);
}

std::span<const std::wstring> Names(const RegionalSettings& settings, const DateToken& token) {
    const bool full = token.letters >= 4;
    if (token.field == Field::DayName) {
        return full ? settings.dayNames : settings.abbreviatedDayNames;
    }
    return full ? settings.monthNames : settings.abbreviatedMonthNames;
}

void AppendNumber(std::wstring& out, int value, int width) {
    std::wstring digits = std::to_wstring(value);
    if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), L'0');
    out += digits;
}

// Reads minDigits to maxDigits decimal digits at pos.
std::optional<int> ReadNumber(std::wstring_view text, std::size_t& pos, int minDigits,
                              int maxDigits) {
    int value = 0;
    int count = 0;
    while (count < maxDigits && pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10 + (text[pos] - L'0');
        ++pos;
        ++count;
    }
    if (count < minDigits) return std::nullopt;
    return value;
}

bool ReadLiteral(std::wstring_view text, std::size_t& pos, std::wstring_view literal) {
    if (!StartsWithIgnoringCase(text.substr(pos), literal)) return false;
    pos += literal.size();
    return true;
}

// Two-digit years fall in 1950 to 2049.
int ExpandTwoDigitYear(int year) { return year < 50 ? 2000 + year : 1900 + year; }

// Reads a date by the pattern from the start of text; pos ends after the date. A day name is
// read but not checked against the date.
std::optional<DateTime> ReadDate(const RegionalSettings& settings,
                                 const std::vector<DateToken>& tokens, std::wstring_view text,
                                 std::size_t& pos) {
    DateTimeParts parts{.year = 0, .month = 0, .day = 0};
    for (const DateToken& token : tokens) {
        if (token.field == Field::Literal) {
            if (!ReadLiteral(text, pos, token.literal)) return std::nullopt;
            continue;
        }
        if (token.field == Field::DayName || token.field == Field::MonthName) {
            const auto index = ReadName(Names(settings, token), text, pos);
            if (!index) return std::nullopt;
            if (token.field == Field::MonthName) parts.month = *index + 1;
            continue;
        }
        const bool year = token.field == Field::Year;
        // A four-digit year is read whole; a two-digit one needs both digits; day and month
        // may drop their leading zero.
        const int minDigits = year && token.letters >= 2 ? token.letters : 1;
        const int maxDigits = year && token.letters == 4 ? 4 : 2;
        const auto value = ReadNumber(text, pos, minDigits, maxDigits);
        if (!value) return std::nullopt;
        if (token.field == Field::Day) parts.day = *value;
        if (token.field == Field::Month) parts.month = *value;
        if (year) parts.year = token.letters == 4 ? *value : ExpandTwoDigitYear(*value);
    }
    return DateTime::FromParts(parts);
}

// Removes "marker " at the front or " marker" at the end.
bool StripMarker(std::wstring_view& text, const std::wstring& marker) {
    if (marker.empty()) return false;
    const std::wstring before = marker + L" ";
    const std::wstring after = L" " + marker;
    if (StartsWithIgnoringCase(text, before)) {
        text.remove_prefix(before.size());
        return true;
    }
    if (EndsWithIgnoringCase(text, after)) {
        text.remove_suffix(after.size());
        return true;
    }
    return false;
}

}  // namespace

RegionalFormats::RegionalFormats(RegionalSettings settings) : settings_(std::move(settings)) {}

bool RegionalFormats::WritesTwelveHourClock() const {
    return settings_.twelveHourClock && !settings_.pmText.empty() &&
           !EqualsIgnoringCase(settings_.amText, settings_.pmText);
}

std::wstring RegionalFormats::FormatLongTime(DateTime moment) const {
    const DateTimeParts parts = moment.Parts();
    const bool twelveHour = WritesTwelveHourClock();
    int hour = parts.hour;
    if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    std::wstring time;
    AppendNumber(time, hour, settings_.hourLeadingZero ? 2 : 1);
    time += settings_.timeSeparator;
    AppendNumber(time, parts.minute, 2);
    time += settings_.timeSeparator;
    AppendNumber(time, parts.second, 2);
    if (!twelveHour) return time;
    const std::wstring& marker = parts.hour < 12 ? settings_.amText : settings_.pmText;
    // An empty marker gets no blank: a dangling blank would not read back.
    if (marker.empty()) return time;
    return settings_.markerBeforeTime ? marker + L" " + time : time + L" " + marker;
}

std::wstring RegionalFormats::FormatShortDate(DateTime moment) const {
    const DateTimeParts parts = moment.Parts();
    std::wstring date;
    for (const DateToken& token : TokenizeDatePattern(settings_)) {
        switch (token.field) {
            case Field::Literal:
                date += token.literal;
                break;
            case Field::Day:
                AppendNumber(date, parts.day, token.letters);
                break;
            case Field::DayName:
                date += Names(settings_, token)[DayOfWeek(moment)];
                break;
            case Field::Month:
                AppendNumber(date, parts.month, token.letters);
                break;
            case Field::MonthName:
                date += Names(settings_, token)[parts.month - 1];
                break;
            case Field::Year:
                AppendNumber(date, token.letters == 4 ? parts.year : parts.year % 100,
                             token.letters == 1 ? 1 : token.letters);
                break;
            case Field::Era:
                break;  // dropped by the tokenizer
        }
    }
    return date;
}

std::wstring RegionalFormats::FormatDateTime(DateTime moment) const {
    return FormatShortDate(moment) + L" " + FormatLongTime(moment);
}

std::wstring RegionalFormats::FormatDefault(DateTime moment) const {
    const bool midnight = moment.TimeOfDayMs() < DateTime::kMsPerSecond;
    return midnight ? FormatShortDate(moment) : FormatDateTime(moment);
}

std::optional<std::int64_t> RegionalFormats::ParseLongTime(std::wstring_view text) const {
    bool pm = StripMarker(text, settings_.pmText);
    const bool am = !pm && StripMarker(text, settings_.amText);
    // A region whose two markers are the same text cannot tell them apart; read it as AM.
    if (pm && settings_.pmText == settings_.amText) pm = false;

    std::size_t pos = 0;
    const auto hour = ReadNumber(text, pos, 1, 2);
    if (!hour || !ReadLiteral(text, pos, settings_.timeSeparator)) return std::nullopt;
    const auto minute = ReadNumber(text, pos, 1, 2);
    if (!minute) return std::nullopt;
    int second = 0;
    if (pos < text.size()) {
        if (!ReadLiteral(text, pos, settings_.timeSeparator)) return std::nullopt;
        const auto read = ReadNumber(text, pos, 1, 2);
        if (!read || pos != text.size()) return std::nullopt;
        second = *read;
    }

    int hour24 = *hour;
    // A 12-hour region with an empty morning marker writes morning times without one.
    const bool unmarkedMorning =
        !pm && WritesTwelveHourClock() && settings_.amText.empty() && hour24 >= 1 && hour24 <= 12;
    if (am || pm || unmarkedMorning) {
        if (hour24 < 1 || hour24 > 12) return std::nullopt;
        hour24 = hour24 % 12 + (pm ? 12 : 0);
    }
    if (hour24 > 23 || *minute > 59 || second > 59) return std::nullopt;
    return hour24 * DateTime::kMsPerHour + *minute * DateTime::kMsPerMinute +
           second * DateTime::kMsPerSecond;
}

std::optional<DateTime> RegionalFormats::ParseShortDate(std::wstring_view text) const {
    std::size_t pos = 0;
    const auto date = ReadDate(settings_, TokenizeDatePattern(settings_), text, pos);
    if (!date || pos != text.size()) return std::nullopt;
    return date;
}

std::optional<DateTime> RegionalFormats::ParseDateTime(std::wstring_view text) const {
    std::size_t pos = 0;
    const auto date = ReadDate(settings_, TokenizeDatePattern(settings_), text, pos);
    if (!date) return std::nullopt;
    if (pos == text.size()) return date;
    if (text[pos] != L' ') return std::nullopt;
    const auto time = ParseLongTime(text.substr(pos + 1));
    if (!time) return std::nullopt;
    return date->Plus(*time);
}

}  // namespace dusk
