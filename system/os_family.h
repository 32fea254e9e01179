#pragma once
#include <string_view>

namespace dusk {

// Rules over the companion library's family word; letter case counts.

// "2000", "2003", "nt", or a word containing "xp", "vista", "windows7", "windows8" or
// "windows10": the scheduler is the "Schedule" service.
bool IsNtFamily(std::wstring_view osFamily);

// "98" and "me": the scheduler is a program with a window of its own, not a service.
bool HasSchedulerWindow(std::wstring_view osFamily);

// A word containing "vista", "windows7", "windows8" or "windows10": these systems register
// through Task Scheduler 2.0 first, and call stand-by "Sleep".
bool IsVistaOrLaterFamily(std::wstring_view osFamily);

}  // namespace dusk
