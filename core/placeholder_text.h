#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace dusk {

// Replaces every occurrence of placeholder, letters compared without regard to case. Text
// brought in by the replacement is not searched again.
std::wstring ReplaceEveryIgnoringCase(std::wstring_view text, std::wstring_view placeholder,
                                      std::wstring_view replacement);

// Applies the replacements one after the other, each on the result of the one before, so a
// replacement holding a later placeholder is substituted again.
std::wstring SubstitutePlaceholders(
    std::wstring_view text,
    std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> replacements);

}  // namespace dusk
