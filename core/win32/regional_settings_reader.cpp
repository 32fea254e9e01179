#include "core/win32/regional_settings_reader.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace dusk::win32 {
namespace {

std::optional<std::wstring> LocaleText(LCTYPE type) {
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), length);
    if (written <= 0) return std::nullopt;
    text.resize(static_cast<std::size_t>(written) - 1);  // the count includes the terminator
    return text;
}

void Assign(LCTYPE type, std::wstring& target) {
    if (auto text = LocaleText(type)) target = std::move(*text);
}

// Names are never empty: a name the system does not report keeps the default.
template <std::size_t count>
void AssignNames(LCTYPE first, std::array<std::wstring, count>& names) {
    for (std::size_t i = 0; i < count; ++i) {
        auto text = LocaleText(first + static_cast<LCTYPE>(i));
        if (text && !text->empty()) names[i] = std::move(*text);
    }
}

}  // namespace

void ApplyTimeFormat(std::wstring_view format, RegionalSettings& settings) {
    std::size_t hourAt = std::wstring_view::npos;
    std::size_t markerAt = std::wstring_view::npos;
    std::size_t hourLength = 0;
    bool twelveHour = false;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t c = format[i];
        if (c == L'\'') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if ((c == L'h' || c == L'H') && hourAt == std::wstring_view::npos) {
            hourAt = i;
            twelveHour = c == L'h';
            while (i + 1 < format.size() && format[i + 1] == c) ++i;
            hourLength = i - hourAt + 1;
        } else if (c == L't' && markerAt == std::wstring_view::npos) {
            markerAt = i;
        }
    }
    if (hourAt == std::wstring_view::npos) return;  // not a time format: keep what is there
    settings.hourLeadingZero = hourLength >= 2;
    settings.twelveHourClock = twelveHour;
    settings.markerBeforeTime = markerAt != std::wstring_view::npos && markerAt < hourAt;
}

RegionalSettings ReadUserRegionalSettings() {
    RegionalSettings settings;
    Assign(LOCALE_STIME, settings.timeSeparator);
    if (auto format = LocaleText(LOCALE_STIMEFORMAT)) ApplyTimeFormat(*format, settings);
    Assign(LOCALE_S1159, settings.amText);
    Assign(LOCALE_S2359, settings.pmText);
    Assign(LOCALE_SSHORTDATE, settings.shortDatePattern);
    Assign(LOCALE_SDATE, settings.dateSeparator);
    // Each list's constants are consecutive, January and Monday first.
    AssignNames(LOCALE_SMONTHNAME1, settings.monthNames);
    AssignNames(LOCALE_SABBREVMONTHNAME1, settings.abbreviatedMonthNames);
    AssignNames(LOCALE_SDAYNAME1, settings.dayNames);
    AssignNames(LOCALE_SABBREVDAYNAME1, settings.abbreviatedDayNames);
    return settings;
}

}  // namespace dusk::win32
