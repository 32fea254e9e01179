#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace dusk {

// Day of the week, 0 Monday to 6 Sunday: the order in which the system lists day names.
int DayOfWeek(DateTime moment);

// The index of the longest name that starts text at pos, letters compared without regard to case
// (Latin, basic Greek and Cyrillic); pos moves past it. Empty names never match.
std::optional<int> ReadName(std::span<const std::wstring> names, std::wstring_view text,
                            std::size_t& pos);

}  // namespace dusk
