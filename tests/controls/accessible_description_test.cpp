#include "controls/accessible_description.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

// The numbers screen readers act on, for each role and the states that matter to a user:
// unavailable hides focus and check, a push button and a text are never "checked".
TEST(AccessibleDescriptionTest, RolesAndStatesAreTheActiveAccessibilityNumbers) {
    struct Case {
        AccessibleRole role;
        AccessibleFacts facts;
        std::int32_t role_number;
        std::int32_t state;
    };
    const Case cases[] = {
        {AccessibleRole::CheckBox, {.checked = true, .focused = true}, 0x2C, 0x100000 | 0x4 | 0x10},
        {AccessibleRole::CheckBox, {.checked = true, .enabled = false}, 0x2C, 0x1},
        {AccessibleRole::RadioButton, {.checked = true}, 0x2D, 0x100000 | 0x10},
        {AccessibleRole::RadioButton, {}, 0x2D, 0x100000},
        {AccessibleRole::PushButton, {.checked = true, .focused = true}, 0x2B, 0x100000 | 0x4},
        {AccessibleRole::PushButton, {.visible = false}, 0x2B, 0x100000 | 0x8000},
        {AccessibleRole::PageTab, {.checked = true, .focusable = false}, 0x25, 0x10},
        {AccessibleRole::StaticText, {.focused = true, .focusable = false}, 0x29, 0x40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.role));
        EXPECT_EQ(AccessibleRoleNumber(c.role), c.role_number);
        EXPECT_EQ(AccessibleStateBits(c.role, c.facts), c.state);
    }
    EXPECT_EQ(AccessibleDefaultAction(AccessibleRole::CheckBox, true), L"Uncheck");
    EXPECT_EQ(AccessibleDefaultAction(AccessibleRole::StaticText, false), L"");
}

}  // namespace
}  // namespace dusk
