#include "core/win32/regional_settings_reader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/win32/system_clock.h"
#include "core/regional_formats.h"

namespace dusk::win32 {
namespace {

TEST(ApplyTimeFormat, DerivesClockMarkerAndLeadingZero) {
    struct Case {
        const wchar_t* format;
        bool leadingZero;
        bool twelveHour;
        bool markerBefore;
    };
    const Case cases[] = {
        {L"h:mm:ss tt", false, true, false},  // en-US
        {L"HH:mm:ss", true, false, false},    // de-DE
        {L"H:mm:ss", false, false, false},    // en-GB style without zero
        {L"tt h:mm:ss", false, true, true},   // ko-KR
        {L"tt hh:mm:ss", true, true, true},   {L"hh:mm:ss tt", true, true, false},
        {L"'t'H.mm.ss", false, false, false},  // quoted letters are literal
        {L"'uhr' HH:mm", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        RegionalSettings settings;
        settings.markerBeforeTime = !c.markerBefore;  // must be overwritten
        ApplyTimeFormat(c.format, settings);
        EXPECT_EQ(settings.hourLeadingZero, c.leadingZero);
        EXPECT_EQ(settings.twelveHourClock, c.twelveHour);
        EXPECT_EQ(settings.markerBeforeTime, c.markerBefore);
    }
}

TEST(ApplyTimeFormat, FormatWithoutHourChangesNothing) {
    RegionalSettings settings;
    settings.hourLeadingZero = true;
    settings.twelveHourClock = false;
    ApplyTimeFormat(L"mm:ss", settings);
    ApplyTimeFormat(L"", settings);
    EXPECT_TRUE(settings.hourLeadingZero);
    EXPECT_FALSE(settings.twelveHourClock);
}

std::wstring UserLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    ::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    return name;
}

TEST(ReadUserRegionalSettings, ReadsUnitedStatesEnglish) {
    if (UserLocaleName() != L"en-US") GTEST_SKIP() << "user locale is not en-US";
    const RegionalSettings settings = ReadUserRegionalSettings();
    EXPECT_EQ(settings.timeSeparator, L":");
    EXPECT_FALSE(settings.hourLeadingZero);
    EXPECT_TRUE(settings.twelveHourClock);
    EXPECT_EQ(settings.amText, L"AM");
    EXPECT_EQ(settings.pmText, L"PM");
    EXPECT_FALSE(settings.markerBeforeTime);
    EXPECT_EQ(settings.shortDatePattern, L"M/d/yyyy");
    EXPECT_EQ(settings.dateSeparator, L"/");
    EXPECT_EQ(settings.monthNames[0], L"January");
    EXPECT_EQ(settings.abbreviatedMonthNames[11], L"Dec");

    const RegionalFormats formats(settings);
    const DateTime moment = *DateTime::FromParts({2026, 12, 8, 0, 46, 11, 500});
    EXPECT_EQ(formats.FormatDateTime(moment), L"12/8/2026 12:46:11 AM");

    // Month and day names in the system's order, as the system writes a pattern with names.
    RegionalSettings named = settings;
    named.shortDatePattern = L"ddd dd-MMM-yy, dddd d MMMM yyyy";
    const SYSTEMTIME time{2026, 12, 0, 8, 0, 46, 11, 0};
    wchar_t text[100] = {};
    ASSERT_GT(::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, named.shortDatePattern.c_str(),
                                text, 100, nullptr),
              0);
    EXPECT_EQ(RegionalFormats(named).FormatShortDate(moment), text);
}

// Whatever the locale, the texts written with the settings read must be the system's own.
TEST(ReadUserRegionalSettings, FormatsLikeTheSystem) {
    const RegionalFormats formats(ReadUserRegionalSettings());
    const DateTimeParts moments[] = {
        {2026, 12, 8, 0, 46, 11, 0},
        {2016, 12, 24, 21, 30, 5, 0},
        {2001, 1, 2, 9, 5, 0, 0},
        {2030, 7, 15, 12, 0, 59, 0},
    };
    for (const DateTimeParts& parts : moments) {
        const SYSTEMTIME time{static_cast<WORD>(parts.year),
                              static_cast<WORD>(parts.month),
                              0,
                              static_cast<WORD>(parts.day),
                              static_cast<WORD>(parts.hour),
                              static_cast<WORD>(parts.minute),
                              static_cast<WORD>(parts.second),
                              0};
        wchar_t timeText[100] = {};
        wchar_t dateText[100] = {};
        ASSERT_GT(::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, timeText, 100), 0);
        ASSERT_GT(::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                    dateText, 100, nullptr),
                  0);
        const DateTime moment = *DateTime::FromParts(parts);
        EXPECT_EQ(formats.FormatLongTime(moment), timeText);
        EXPECT_EQ(formats.FormatShortDate(moment), dateText);
    }
}

TEST(SystemClock, ReportsTheLocalTime) {
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    const DateTime now = SystemClock().Now();
    SYSTEMTIME after{};
    ::GetLocalTime(&after);
    const auto asDateTime = [](const SYSTEMTIME& t) {
        return *DateTime::FromParts(
            {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
    };
    EXPECT_LE(asDateTime(before), now);
    EXPECT_LE(now, asDateTime(after));
}

}  // namespace
}  // namespace dusk::win32
