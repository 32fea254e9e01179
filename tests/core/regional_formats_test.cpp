#include "core/regional_formats.h"

#include <gtest/gtest.h>

#include "fakes/fixed_regions.h"

namespace dusk {
namespace {

using test::FixedRegions;
using test::FixedRegionSettings;

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

struct Expected {
    std::string region;
    DateTime moment;
    const wchar_t* longTime;
    const wchar_t* shortDate;
};

TEST(RegionalFormatsTest, WritesEachRegionsForms) {
    const Expected cases[] = {
        {"en-US", At(2016, 12, 24, 21, 30), L"9:30:00 PM", L"12/24/2016"},
        {"en-US", At(2016, 1, 2, 0, 5, 7), L"12:05:07 AM", L"1/2/2016"},
        {"en-US", At(2016, 1, 2, 12, 0, 0), L"12:00:00 PM", L"1/2/2016"},
        {"de-DE", At(2016, 1, 2, 9, 5, 7), L"09:05:07", L"02.01.2016"},
        {"de-DE", At(2016, 12, 24, 0, 0, 1), L"00:00:01", L"24.12.2016"},
        {"ja-JP", At(2016, 1, 2, 9, 5, 7), L"9:05:07", L"2016/01/02"},
        {"ko-KR", At(2016, 1, 2, 21, 5, 7), L"오후 9:05:07", L"2016-01-02"},
        {"ko-KR", At(2016, 1, 2, 0, 5, 7), L"오전 12:05:07", L"2016-01-02"},
        {"zh-TW", At(2016, 1, 2, 9, 5, 7), L"上午 09:05:07", L"2016/1/2"},
        {"fi-FI", At(2016, 1, 2, 21, 5, 7), L"21.05.07", L"2.1.2016"},
    };
    for (const Expected& c : cases) {
        const RegionalFormats formats(FixedRegionSettings(c.region));
        EXPECT_EQ(formats.FormatLongTime(c.moment), c.longTime) << c.region;
        EXPECT_EQ(formats.FormatShortDate(c.moment), c.shortDate) << c.region;
        EXPECT_EQ(formats.FormatDateTime(c.moment), std::wstring(c.shortDate) + L" " + c.longTime)
            << c.region;
    }
}

TEST(RegionalFormatsTest, DefaultFormLeavesOutMidnightAndIgnoresMilliseconds) {
    const RegionalFormats formats(FixedRegionSettings("en-US"));
    EXPECT_EQ(formats.FormatDefault(At(2016, 12, 24)), L"12/24/2016");
    EXPECT_EQ(formats.FormatDefault(At(2016, 12, 24, 0, 0, 0, 999)), L"12/24/2016");
    EXPECT_EQ(formats.FormatDefault(At(2016, 12, 24, 0, 0, 1)), L"12/24/2016 12:00:01 AM");
    EXPECT_EQ(formats.FormatDefault(At(2016, 12, 24, 12, 0, 0, 500)), L"12/24/2016 12:00:00 PM");
}

// Every moment written in any region reads back to the same whole second.
TEST(RegionalFormatsTest, TextsReadBackToTheSameMomentInEveryRegion) {
    const DateTime moments[] = {
        At(2016, 12, 24, 0, 0, 0),    At(2016, 12, 24, 0, 0, 1),      At(2016, 12, 24, 0, 59, 59),
        At(2016, 12, 24, 11, 59, 59), At(2016, 12, 24, 12, 0, 0),     At(2016, 12, 24, 12, 30, 5),
        At(2016, 12, 24, 13, 0, 0),   At(2016, 12, 31, 23, 59, 59),   At(2017, 1, 1, 0, 0, 0),
        At(2024, 2, 29, 9, 8, 7),     At(2024, 2, 29, 21, 8, 7, 999), At(1999, 10, 5, 10, 10, 10),
    };
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        for (const DateTime moment : moments) {
            const DateTime whole = moment.Plus(-(moment.TimeOfDayMs() % 1000));
            const std::wstring dateTime = formats.FormatDateTime(moment);
            EXPECT_EQ(formats.ParseDateTime(dateTime), whole) << region.name;
            EXPECT_EQ(formats.ParseDateTime(formats.FormatDefault(moment)), whole) << region.name;
            EXPECT_EQ(formats.ParseShortDate(formats.FormatShortDate(moment)), moment.Date())
                << region.name;
            EXPECT_EQ(formats.ParseLongTime(formats.FormatLongTime(moment)), whole.TimeOfDayMs())
                << region.name;
        }
    }
}

TEST(RegionalFormatsTest, ReadsTimesWrittenWithoutMarkerAsTwentyFourHourTimes) {
    const RegionalFormats us(FixedRegionSettings("en-US"));
    EXPECT_EQ(us.ParseLongTime(L"12:00:00"), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(us.ParseLongTime(L"21:30:00"), 21 * DateTime::kMsPerHour + 30 * 60000);
    EXPECT_EQ(us.ParseLongTime(L"12:00:00 AM"), 0);
    EXPECT_EQ(us.ParseLongTime(L"12:00:00 pm"), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(us.ParseLongTime(L"PM 9:30:00"), 21 * DateTime::kMsPerHour + 30 * 60000);
    EXPECT_EQ(us.ParseLongTime(L"9:30"), 9 * DateTime::kMsPerHour + 30 * 60000);
    EXPECT_EQ(us.ParseLongTime(L"09:30:05"), (9 * 3600 + 30 * 60 + 5) * 1000);

    const RegionalFormats korea(FixedRegionSettings("ko-KR"));
    EXPECT_EQ(korea.ParseLongTime(L"오후 12:00:00"), 12 * DateTime::kMsPerHour);
    EXPECT_EQ(korea.ParseLongTime(L"오전 12:30:00"), 30 * 60000);
}

TEST(RegionalFormatsTest, TwelveHourRegionWithEmptyMorningMarkerReadsItsOwnTexts) {
    RegionalSettings settings = FixedRegionSettings("en-US");
    settings.amText.clear();
    struct Case {
        bool markerBeforeTime;
        int hour;
        const wchar_t* text;
    };
    const Case cases[] = {
        {false, 0, L"12:30:00"},    {false, 9, L"9:30:00"}, {false, 12, L"12:30:00 PM"},
        {false, 21, L"9:30:00 PM"}, {true, 0, L"12:30:00"}, {true, 21, L"PM 9:30:00"},
    };
    for (const Case& c : cases) {
        settings.markerBeforeTime = c.markerBeforeTime;
        const RegionalFormats formats(settings);
        const DateTime moment = At(2016, 12, 24, c.hour, 30);
        EXPECT_EQ(formats.FormatLongTime(moment), c.text);
        EXPECT_EQ(formats.ParseLongTime(c.text), moment.TimeOfDayMs()) << c.text;
        EXPECT_EQ(formats.ParseDateTime(formats.FormatDateTime(moment)), moment) << c.text;
    }
    // Unmarked hours outside 1 to 12 still read as 24-hour times.
    EXPECT_EQ(RegionalFormats(settings).ParseLongTime(L"21:30:00"),
              21 * DateTime::kMsPerHour + 30 * 60000);
}

// Whichever marker is empty, or both alike, every hour reads back as written.
TEST(RegionalFormatsTest, TwelveHourRegionsWithoutTwoMarkersReadEveryHourBack) {
    struct Case {
        const wchar_t* am;
        const wchar_t* pm;
        const wchar_t* evening;  // 21:30 written
    };
    const Case cases[] = {
        {L"", L"PM", L"9:30:00 PM"},
        {L"AM", L"", L"21:30:00"},
        {L"", L"", L"21:30:00"},
        {L"X", L"x", L"21:30:00"},
    };
    for (const Case& c : cases) {
        for (const bool before : {false, true}) {
            RegionalSettings settings = FixedRegionSettings("en-US");
            settings.amText = c.am;
            settings.pmText = c.pm;
            settings.markerBeforeTime = before;
            const RegionalFormats formats(settings);
            SCOPED_TRACE(testing::Message() << "AM '" << c.am << "' PM '" << c.pm << "'");
            if (!before) {
                EXPECT_EQ(formats.FormatLongTime(At(2016, 12, 24, 21, 30)), c.evening);
            }
            for (int hour = 0; hour < 24; ++hour) {
                const DateTime moment = At(2016, 12, 24, hour, 30, 5);
                EXPECT_EQ(formats.ParseLongTime(formats.FormatLongTime(moment)),
                          moment.TimeOfDayMs())
                    << formats.FormatLongTime(moment);
                EXPECT_EQ(formats.ParseDateTime(formats.FormatDefault(moment)), moment) << hour;
            }
        }
    }
}

// Short date patterns a user may choose, with names and eras, in regions of both clocks. (A name
// that starts with a digit, as Korean month names do, right after a number would be ambiguous.)
const wchar_t* const kNamePatterns[] = {
    L"dd-MMM-yy",     L"dddd, MMMM d, yyyy",     L"ddd d MMM yyyy",
    L"d. MMMM yyyy",  L"dd/MM/yyyy gg",          L"gg yyyy/MM/dd",
    L"gg y/M/d dddd", L"yyyy'年'M'月'd'日' ddd", L"MMM",
    L"d/M",           L"dd/MMMMM/yyyyy ddddd",
};

TEST(RegionalFormatsTest, NamePatternsWriteTheRegionsNames) {
    struct Case {
        std::string region;
        const wchar_t* pattern;
        DateTime moment;
        const wchar_t* shortDate;
    };
    const Case cases[] = {
        {"en-US", L"dd-MMM-yy", At(2016, 12, 24), L"24-Dec-16"},
        {"en-US", L"dddd, MMMM d, yyyy", At(2016, 12, 24), L"Saturday, December 24, 2016"},
        {"en-US", L"ddd d MMM yyyy", At(2017, 1, 1), L"Sun 1 Jan 2017"},
        {"en-US", L"dd/MM/yyyy gg", At(2016, 3, 7), L"07/03/2016"},
        {"en-US", L"gg yyyy/MM/dd", At(2016, 3, 7), L"2016/03/07"},
        {"de-DE", L"dddd, d. MMMM yyyy", At(2016, 3, 7), L"Montag, 7. März 2016"},
        {"de-DE", L"ddd dd.MMM.yy", At(2024, 2, 29), L"Do 29.Feb.24"},
        {"ko-KR", L"yyyy년 MMMM d일 dddd", At(2016, 10, 5), L"2016년 10월 5일 수요일"},
        // Without the day, the month or the year a text could not read back.
        {"en-US", L"MMMM yyyy", At(2016, 3, 7), L"2016/03/07"},
        {"de-DE", L"d.M", At(2016, 3, 7), L"2016.03.07"},
    };
    for (const Case& c : cases) {
        RegionalSettings settings = FixedRegionSettings(c.region);
        settings.shortDatePattern = c.pattern;
        EXPECT_EQ(RegionalFormats(settings).FormatShortDate(c.moment), c.shortDate) << c.pattern;
    }
}

TEST(RegionalFormatsTest, NamePatternsReadBackInEveryForm) {
    for (const std::string region : {"en-US", "de-DE", "ko-KR", "fi-FI"}) {
        for (const wchar_t* pattern : kNamePatterns) {
            RegionalSettings settings = FixedRegionSettings(region);
            settings.shortDatePattern = pattern;
            const RegionalFormats formats(settings);
            SCOPED_TRACE(testing::Message() << region << " " << pattern);
            // Every month and every day of the week, at midnight and in the evening.
            for (int month = 1; month <= 12; ++month) {
                for (const DateTime moment : {At(2016, month, month + 10, 0, 0, 0),
                                              At(2023, month, month + 3, 21, 30, 5, 250)}) {
                    const DateTime whole = moment.Plus(-(moment.TimeOfDayMs() % 1000));
                    EXPECT_EQ(formats.ParseShortDate(formats.FormatShortDate(moment)),
                              moment.Date())
                        << formats.FormatShortDate(moment);
                    EXPECT_EQ(formats.ParseDateTime(formats.FormatDateTime(moment)), whole)
                        << formats.FormatDateTime(moment);
                    EXPECT_EQ(formats.ParseDateTime(formats.FormatDefault(moment)), whole)
                        << formats.FormatDefault(moment);
                    EXPECT_EQ(formats.ParseLongTime(formats.FormatLongTime(moment)),
                              whole.TimeOfDayMs());
                }
            }
        }
    }
}

TEST(RegionalFormatsTest, NamesReadWhateverTheirCaseAndOnlyKnownNamesRead) {
    struct Case {
        std::string region;
        const wchar_t* pattern;
        const wchar_t* text;
        std::optional<DateTime> date;
    };
    const Case cases[] = {
        {"en-US", L"dd-MMM-yy", L"24-DEC-16", At(2016, 12, 24)},
        {"en-US", L"dd-MMM-yy", L"24-dec-16", At(2016, 12, 24)},
        {"en-US", L"dddd, MMMM d, yyyy", L"SATURDAY, december 24, 2016", At(2016, 12, 24)},
        {"de-DE", L"d. MMMM yyyy", L"7. MÄRZ 2016", At(2016, 3, 7)},
        // A day name that contradicts the date: the date decides.
        {"en-US", L"dddd, MMMM d, yyyy", L"Monday, December 24, 2016", At(2016, 12, 24)},
        {"en-US", L"dd-MMM-yy", L"24-Dez-16", std::nullopt},
        {"en-US", L"dd-MMM-yy", L"24-December-16", std::nullopt},
        {"en-US", L"dd-MMM-yy", L"24-De", std::nullopt},
        {"en-US", L"dd-MMM-yy", L"24-", std::nullopt},
        {"en-US", L"dddd, MMMM d, yyyy", L"Funday, December 24, 2016", std::nullopt},
        {"en-US", L"dddd, MMMM d, yyyy", L"Saturday, February 30, 2016", std::nullopt},
        {"en-US", L"dMMMyyyy", L"5dec2016", At(2016, 12, 5)},
    };
    for (const Case& c : cases) {
        RegionalSettings settings = FixedRegionSettings(c.region);
        settings.shortDatePattern = c.pattern;
        EXPECT_EQ(RegionalFormats(settings).ParseShortDate(c.text), c.date) << c.text;
    }
}

TEST(RegionalFormatsTest, TextsThatDoNotReadBackGiveNothing) {
    struct Case {
        std::string region;
        const wchar_t* text;
    };
    const Case times[] = {
        {"en-US", L""},           {"en-US", L"13:00:00 PM"}, {"en-US", L"0:30:00 AM"},
        {"en-US", L"24:00:00"},   {"en-US", L"9:60:00"},     {"en-US", L"9:30:60"},
        {"en-US", L"9:30:00 XM"}, {"en-US", L"9:30:00PM"},   {"en-US", L"9.30.00"},
        {"en-US", L"9:30:"},      {"en-US", L"123:00:00"},   {"en-US", L" 9:30:00"},
        {"fi-FI", L"12:00:00"},   {"de-DE", L"9:30:00 PM"},  {"ko-KR", L"9:30:00 오후x"},
    };
    for (const Case& c : times) {
        EXPECT_FALSE(RegionalFormats(FixedRegionSettings(c.region)).ParseLongTime(c.text))
            << c.region;
    }
    const Case dateTimes[] = {
        {"en-US", L""},
        {"en-US", L"2/29/2023"},
        {"en-US", L"13/1/2016"},
        {"en-US", L"12/24/16"},
        {"en-US", L"24.12.2016 21:30:00"},
        {"en-US", L"12/24/2016  9:30:00 PM"},
        {"en-US", L"12/24/2016 9:30:00 PM x"},
        {"en-US", L"12/24/2016_9:30:00 PM"},
        {"de-DE", L"12/24/2016 21:30:00"},
        {"ko-KR", L"2016-12-24 9:30:00 PM x"},
    };
    for (const Case& c : dateTimes) {
        EXPECT_FALSE(RegionalFormats(FixedRegionSettings(c.region)).ParseDateTime(c.text))
            << c.region;
    }
}

TEST(RegionalFormatsTest, PatternsWithBlanksQuotesAndShortYearsReadBack) {
    struct Case {
        const wchar_t* pattern;
        const wchar_t* separator;
        DateTime moment;
        const wchar_t* shortDate;
    };
    const Case cases[] = {
        {L"d. M. yyyy", L".", At(2016, 12, 24), L"24. 12. 2016"},
        {L"yyyy'年'M'月'd'日'", L"/", At(2016, 1, 2), L"2016年1月2日"},
        {L"dd/MM/yy", L"-", At(2049, 3, 4), L"04-03-49"},
        {L"d/M/y", L"/", At(1950, 3, 4), L"4/3/50"},
        {L"yyyyMMdd", L"/", At(2016, 1, 2), L"20160102"},
    };
    for (const Case& c : cases) {
        RegionalSettings settings = FixedRegionSettings("en-US");
        settings.shortDatePattern = c.pattern;
        settings.dateSeparator = c.separator;
        const RegionalFormats formats(settings);
        const DateTime moment = c.moment.Plus(21 * DateTime::kMsPerHour);
        EXPECT_EQ(formats.FormatShortDate(moment), c.shortDate);
        EXPECT_EQ(formats.ParseDateTime(formats.FormatDateTime(moment)), moment) << c.shortDate;
    }
}

}  // namespace
}  // namespace dusk
