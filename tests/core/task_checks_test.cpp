#include "core/task_checks.h"

#include <gtest/gtest.h>

#include "fakes/fake_companion.h"
#include "fakes/fixed_regions.h"

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

TEST(TaskChecksTest, SpecifiedMomentMustLieAfterNow) {
    const DateTime date = At(2016, 12, 31);
    const DateTime timeOfDay = At(2000, 1, 1, 23, 59, 59, 700);  // the picker's date is not used
    const DateTime due = At(2016, 12, 31, 23, 59, 59);
    struct Case {
        DateTime now;
        bool accepted;
    };
    const Case cases[] = {
        {due, false},
        {due.Plus(-1'000), true},
        {due.Plus(-1), true},
        {due.Plus(1), false},  // the picker's 700 ms are not part of the moment
        {due.Plus(3'600'000), false},
        {due.Plus(-DateTime::kMsPerDay), true},
    };
    const MessageCatalogue catalogue;
    const RegionalFormats formats(test::FixedRegionSettings("de-DE"));
    for (const Case& c : cases) {
        const SpecifiedCheck check =
            CheckSpecifiedNotPast(date, timeOfDay, c.now, formats, catalogue);
        EXPECT_EQ(check.accepted, c.accepted) << MillisecondsBetween(c.now, due);
        const std::wstring expected =
            c.accepted ? L"" : L"Please select a time after " + formats.FormatDefault(c.now) + L".";
        EXPECT_EQ(check.message, expected);
    }
}

TEST(TaskChecksTest, PastTimeMessageUsesTheCurrentCatalogueText) {
    MessageCatalogue catalogue;
    catalogue.SetText(CatalogueEntry::SelectLaterTime, L"Not before %S (%s)");
    const RegionalFormats formats(test::FixedRegionSettings("en-US"));
    const DateTime now = At(2016, 12, 24);
    const SpecifiedCheck check = CheckSpecifiedNotPast(now, now, now, formats, catalogue);
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(check.message, L"Not before 12/24/2016 (12/24/2016)");
}

TEST(TaskChecksTest, ZeroDelayIsRejectedWithAWarningOwnedByTheMainWindow) {
    struct Case {
        const wchar_t* hours;
        const wchar_t* minutes;
        bool accepted;
    };
    // The texts are compared, not their numbers.
    const Case cases[] = {
        {L"0", L"0", false}, {L"0", L"1", true}, {L"1", L"0", true},
        {L"00", L"0", true}, {L"0", L"", true},  {L"100", L"60", true},
    };
    int mainWindow = 0;
    const MessageCatalogue catalogue;
    for (const Case& c : cases) {
        test::FakeCompanion companion;
        MessageBoxUserPrompts prompts(companion, catalogue,
                                      [&] { return WindowHandle(&mainWindow); });
        EXPECT_EQ(CheckDelayNotZero(c.hours, c.minutes, prompts, catalogue), c.accepted)
            << c.hours << L"|" << c.minutes;
        if (c.accepted) {
            EXPECT_TRUE(companion.boxes.empty());
            continue;
        }
        ASSERT_EQ(companion.boxes.size(), 1u);
        EXPECT_EQ(companion.boxes[0].owner, &mainWindow);
        EXPECT_EQ(companion.boxes[0].text, L"Please set the time.");
        EXPECT_EQ(companion.boxes[0].caption, L"Tolvane Dusk Relay");
        EXPECT_EQ(companion.boxes[0].style, 0x30u);
    }
}

}  // namespace
}  // namespace dusk
