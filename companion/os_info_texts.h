#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace dusk {

// The system's version as the kernel reports it (not the compatibility-shimmed one).
struct OsVersion {
    std::uint32_t platformId = 2;  // 1 Windows 9x, 2 Windows NT
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    bool workstation = true;  // product type: workstation rather than server
};

// The record's family word: "98", "me", "nt", "2000", "2003", "xp", "vista", "windows7",
// "windows8" or "windows10"; later systems (Windows 11 too) read as "windows10".
std::u16string OsFamilyFor(const OsVersion& version);

// A user name made fit to end a task name (which becomes a file name): characters that a file
// name cannot hold become '_'.
std::u16string SafeTaskNameSuffix(std::u16string_view userName);

}  // namespace dusk
