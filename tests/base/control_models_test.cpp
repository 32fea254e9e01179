#include "base/control_models.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

TEST(ControlModelsTest, UpDownStepsWithinItsRangeWithoutWrapping) {
    struct Case {
        int minimum, maximum, start;
        int ups, downs;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, 100, 1, 1, 0, L"2"},    {0, 100, 1, 0, 1, L"0"},  {0, 100, 1, 0, 5, L"0"},
        {0, 100, 99, 5, 0, L"100"}, {0, 60, 59, 3, 0, L"60"}, {0, 60, 60, 0, 1, L"59"},
    };
    for (const Case& c : cases) {
        DigitFieldModel field;
        field.SetText(std::to_wstring(c.start));
        UpDownModel upDown(field, c.minimum, c.maximum, c.start);
        for (int i = 0; i < c.ups; ++i) upDown.StepUp();
        for (int i = 0; i < c.downs; ++i) upDown.StepDown();
        EXPECT_EQ(field.Text(), c.text);
        EXPECT_EQ(std::to_wstring(upDown.Position()), c.text);
    }
}

TEST(ControlModelsTest, UpDownCountsFromWhatItsFieldShows) {
    DigitFieldModel field;
    UpDownModel upDown(field, 0, 60, 0);
    field.SetText(L"30");  // set by the program, not through the buttons
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"31");
    field.SetText(L"");  // unreadable: the last position counts
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"32");

    upDown.SetEnabled(false);
    upDown.StepUp();
    EXPECT_EQ(field.Text(), L"32");
}

TEST(ControlModelsTest, ChangeEventsRunOnlyForRealChanges) {
    int changes = 0;
    int stateChanges = 0;
    DigitFieldModel field;
    field.onChange = [&] { ++changes; };
    field.onStateChanged = [&] { ++stateChanges; };
    UpDownModel upDown(field, 0, 1, 0);
    field.SetText(L"0");
    upDown.StepUp();
    upDown.StepUp();  // at the maximum: nothing changes
    field.SetEnabled(false);
    field.SetEnabled(false);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(stateChanges, 3);

    int pickerChanges = 0;
    DateTimePickerModel picker;
    picker.onChange = [&] { ++pickerChanges; };
    picker.SetValue(DateTime::FromMilliseconds(5));
    picker.SetValue(DateTime::FromMilliseconds(5));
    picker.SetEnabled(false);
    EXPECT_EQ(pickerChanges, 1);
}

}  // namespace
}  // namespace dusk
