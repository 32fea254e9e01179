#pragma once
#include <string>
#include <string_view>

namespace dusk {

// Letter case is ignored for the ASCII letters only: every name and placeholder the program
// compares this way is ASCII.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix);
bool EndsWithIgnoringCase(std::wstring_view text, std::wstring_view suffix);

}  // namespace dusk
