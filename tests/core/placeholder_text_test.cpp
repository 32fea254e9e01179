#include "core/placeholder_text.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

TEST(PlaceholderTextTest, ReplacesEveryOccurrenceInAnyCase) {
    struct Case {
        const wchar_t* text;
        const wchar_t* placeholder;
        const wchar_t* replacement;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"n% scheduled", L"n%", L"Log off", L"Log off scheduled"},
        {L"N% scheduled", L"n%", L"Log off", L"Log off scheduled"},
        {L"n%, N% and n%", L"n%", L"x", L"x, x and x"},
        {L"after %s.", L"%S", L"now", L"after now."},
        {L"no marker", L"n%", L"x", L"no marker"},
        {L"n%n%", L"n%", L"", L""},
        {L"", L"n%", L"x", L""},
        // Text brought in by the replacement is not searched again for the same placeholder.
        {L"n%", L"n%", L"n%n%", L"n%n%"},
        // "%s" and "s%" are different markers.
        {L"%s s%", L"s%", L"T", L"%s T"},
        {L"%s s%", L"%s", L"T", L"T s%"},
        {L"text", L"", L"x", L"text"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceEveryIgnoringCase(c.text, c.placeholder, c.replacement), c.expected)
            << static_cast<const void*>(c.text);
    }
}

TEST(PlaceholderTextTest, ReplacesInOrderEachOnTheResultBefore) {
    EXPECT_EQ(SubstitutePlaceholders(L"n% after h% hours and m% minutes.",
                                     {{L"n%", L"Shut down"}, {L"h%", L"1"}, {L"m%", L"30"}}),
              L"Shut down after 1 hours and 30 minutes.");
    // An action name holding a later placeholder is substituted again...
    EXPECT_EQ(SubstitutePlaceholders(L"n% on s%.", {{L"n%", L"Go s%"}, {L"s%", L"9:30"}}),
              L"Go 9:30 on 9:30.");
    // ...while one holding an earlier placeholder is left alone.
    EXPECT_EQ(SubstitutePlaceholders(L"n% on s%.", {{L"n%", L"Go"}, {L"s%", L"n%"}}), L"Go on n%.");
}

}  // namespace
}  // namespace dusk
