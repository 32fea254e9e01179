#include "controls/focus_cycle.h"

#include <gtest/gtest.h>

#include <iterator>

namespace dusk {
namespace {

// A page's controls: a hidden or disabled one is passed over, both ways, wrapping round.
TEST(FocusCycleTest, TabAndShiftTabSkipWhatCannotTakeTheFocusAndWrap) {
    const bool stops[] = {true, false, true, true, false};
    struct Case {
        std::optional<std::size_t> from;
        bool backwards;
        std::optional<std::size_t> to;
    };
    const Case cases[] = {
        {std::nullopt, false, 0},
        {std::nullopt, true, 3},
        {0, false, 2},
        {2, false, 3},
        {3, false, 0},
        {0, true, 3},
        {2, true, 0},
        {1, false, 2},
        {4, true, 3},
        {9, false, 0},
        {9, true, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            NextFocus(
                std::size(stops), [&](std::size_t i) { return stops[i]; }, c.from, c.backwards),
            c.to)
            << (c.from ? int(*c.from) : -1) << (c.backwards ? " back" : " forward");
    }
    const auto never = [](std::size_t) { return false; };
    const auto always = [](std::size_t) { return true; };
    EXPECT_EQ(NextFocus(2, never, 0, false), std::nullopt);
    EXPECT_EQ(NextFocus(0, always, std::nullopt, true), std::nullopt);
    EXPECT_EQ(NextFocus(1, always, 0, false), 0u);  // the only stop keeps the focus
}

}  // namespace
}  // namespace dusk
