#include "core/activity_log_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace dusk {
namespace {

DateTime At(int year, int month, int day, int hour, int minute, int second, int ms) {
    return *DateTime::FromParts({year, month, day, hour, minute, second, ms});
}

TEST(ActivityLogLines, OneUtf8LinePerEventAfterTheIsoMoment) {
    struct Case {
        const char* name;
        std::wstring event;
        std::string line;
    };
    const Case cases[] = {
        {"plain", L"Task set: scheduler 2.0, due 2026-12-08T22:00:00",
         "2026-03-04T05:06:07 Task set: scheduler 2.0, due 2026-12-08T22:00:00\r\n"},
        {"empty", L"", "2026-03-04T05:06:07 \r\n"},
        {"line breaks cannot forge a line", L"a\r\n2026-01-01T00:00:00 forged\tb",
         "2026-03-04T05:06:07 a  2026-01-01T00:00:00 forged b\r\n"},
        {"two- and three-byte characters", L"\u00e9\u20ac",
         "2026-03-04T05:06:07 \xc3\xa9\xe2\x82\xac\r\n"},
        {"a lone surrogate is replaced", std::wstring(1, wchar_t(0xD800)) + L"x",
         "2026-03-04T05:06:07 \xef\xbf\xbdx\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActivityLogLine(At(2026, 3, 4, 5, 6, 7, 890), c.event), c.line) << c.name;
    }
    // A character outside the basic plane, as a surrogate pair on Windows, one unit elsewhere.
    std::wstring emoji;
    if constexpr (sizeof(wchar_t) == 2) {
        emoji = {wchar_t(0xD83D), wchar_t(0xDE00)};
    } else {
        emoji = {wchar_t(0x1F600)};
    }
    EXPECT_EQ(ActivityLogLine(At(2026, 3, 4, 5, 6, 7, 0), emoji),
              "2026-03-04T05:06:07 \xf0\x9f\x98\x80\r\n");
}

TEST(ActivityLogLines, RotatesBeforeALineWouldPassTheLimit) {
    EXPECT_FALSE(ActivityLogNeedsRotation(kActivityLogLimitBytes - 10, 10));
    EXPECT_TRUE(ActivityLogNeedsRotation(kActivityLogLimitBytes - 10, 11));
    EXPECT_FALSE(ActivityLogNeedsRotation(0, kActivityLogLimitBytes + 1)) << "an empty log";
}

TEST(ActivityLogLines, WritesOnlyThroughWhatItMakesOrWhatAdministratorsOwn) {
    struct Case {
        LogPathFacts facts;
        LogWriteDecision decision;
    };
    const Case cases[] = {
        {{false, false, false}, LogWriteDecision::Write},
        {{true, false, true}, LogWriteDecision::Write},
        {{true, false, false}, LogWriteDecision::RefuseOwner},
        {{true, true, true}, LogWriteDecision::RefuseReparsePoint},
        {{true, true, false}, LogWriteDecision::RefuseReparsePoint},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideLogWrite(c.facts), c.decision)
            << c.facts.exists << c.facts.reparsePoint << c.facts.ownedByAdministrators;
    }
}

}  // namespace
}  // namespace dusk
