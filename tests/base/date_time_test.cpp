#include "base/date_time.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

TEST(DateTimeTest, RejectsPartsThatNameNoRealMoment) {
    const DateTimeParts invalid[] = {
        {2023, 2, 29},
        {1900, 2, 29},
        {2024, 4, 31},
        {2024, 13, 1},
        {2024, 0, 1},
        {2024, 1, 0},
        {2024, 1, 32},
        {0, 1, 1},
        {10000, 1, 1},
        {2024, 1, 1, 24},
        {2024, 1, 1, -1},
        {2024, 1, 1, 0, 60},
        {2024, 1, 1, 0, 0, 60},
        {2024, 1, 1, 0, 0, 0, 1000},
        {2024, 1, 1, 0, 0, 0, -1},
    };
    for (const DateTimeParts& parts : invalid) {
        EXPECT_FALSE(DateTime::FromParts(parts).has_value())
            << parts.year << "-" << parts.month << "-" << parts.day << " " << parts.hour << ":"
            << parts.minute << ":" << parts.second << "." << parts.millisecond;
    }
}

TEST(DateTimeTest, AcceptsLeapDaysAndMonthEnds) {
    const DateTimeParts valid[] = {
        {2024, 2, 29}, {2000, 2, 29},
        {1600, 2, 29}, {2023, 2, 28},
        {2024, 4, 30}, {2024, 12, 31, 23, 59, 59, 999},
        {1, 1, 1},     {9999, 12, 31, 23, 59, 59, 999},
    };
    for (const DateTimeParts& parts : valid) {
        const auto moment = DateTime::FromParts(parts);
        ASSERT_TRUE(moment.has_value()) << parts.year << "-" << parts.month << "-" << parts.day;
        const DateTimeParts back = moment->Parts();
        EXPECT_EQ(back.year, parts.year);
        EXPECT_EQ(back.month, parts.month);
        EXPECT_EQ(back.day, parts.day);
        EXPECT_EQ(back.hour, parts.hour);
        EXPECT_EQ(back.minute, parts.minute);
        EXPECT_EQ(back.second, parts.second);
        EXPECT_EQ(back.millisecond, parts.millisecond);
    }
}

TEST(DateTimeTest, CountsMillisecondsFromTheFirstDayOfYearOne) {
    EXPECT_EQ(At(1, 1, 1).Milliseconds(), 0);
    EXPECT_EQ(At(1, 1, 2, 0, 0, 0, 1).Milliseconds(), DateTime::kMsPerDay + 1);
    // 719162 days lie between 0001-01-01 and 1970-01-01.
    EXPECT_EQ(At(1970, 1, 1).Milliseconds(), 719162 * DateTime::kMsPerDay);
}

TEST(DateTimeTest, DayDifferencesFollowTheCalendar) {
    struct Case {
        DateTime later, earlier;
        std::int64_t days;
    };
    const Case cases[] = {
        {At(2024, 3, 1), At(2024, 2, 28), 2},     {At(2023, 3, 1), At(2023, 2, 28), 1},
        {At(2000, 3, 1), At(2000, 2, 28), 2},     {At(1900, 3, 1), At(1900, 2, 28), 1},
        {At(2025, 1, 1), At(2024, 12, 31), 1},    {At(2025, 1, 1), At(2024, 1, 1), 366},
        {At(2001, 1, 1), At(1601, 1, 1), 146097},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MillisecondsBetween(c.later, c.earlier), c.days * DateTime::kMsPerDay);
    }
}

TEST(DateTimeTest, SplitsIntoDateAndTimeOfDay) {
    const DateTime moment = At(2016, 12, 24, 21, 30, 15, 250);
    EXPECT_EQ(moment.Date(), At(2016, 12, 24));
    EXPECT_EQ(moment.TimeOfDayMs(), ((21 * 60 + 30) * 60 + 15) * 1000 + 250);
    EXPECT_EQ(moment.Plus(DateTime::kMsPerDay - moment.TimeOfDayMs()), At(2016, 12, 25));

    const DateTime beforeEpoch = DateTime::FromMilliseconds(-1);
    EXPECT_EQ(beforeEpoch.TimeOfDayMs(), DateTime::kMsPerDay - 1);
    EXPECT_EQ(beforeEpoch.Date().Milliseconds(), -DateTime::kMsPerDay);
}

}  // namespace
}  // namespace dusk
