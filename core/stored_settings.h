#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings_store.h"

namespace dusk {

// Where the program keeps its local task and its one preference. Paths and value names
// compare without regard to case, so the differing spellings name the same key or value.
inline constexpr std::wstring_view kSettingsKeyPath = L"\\Software\\Tolvane\\Dusk Relay";
inline constexpr std::wstring_view kSettingsKeyPathUpper = L"\\SOFTWARE\\Tolvane\\Dusk Relay";
inline constexpr std::wstring_view kRunKeyPath =
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

inline constexpr std::wstring_view kAdjustInfoValue = L"AdjustInfo";        // action code
inline constexpr std::wstring_view kDailyTimeValue = L"Daliy_ShutDown";     // long time
inline constexpr std::wstring_view kCountdownTimeValue = L"CountdownTime";  // date-time
inline constexpr std::wstring_view kWaitTimeWrittenValue = L"WaitTime";     // default form
inline constexpr std::wstring_view kWaitTimeReadValue = L"Waittime";
inline constexpr std::wstring_view kHourAndMinuteValue = L"HourandMinute";  // "1|30"
inline constexpr std::wstring_view kIgnoreValue = L"Ignore";                // "1" or missing
inline constexpr std::wstring_view kRunValueName = L"Tolvane Dusk Relay";

constexpr int kWriteDone = 1;
constexpr int kWriteFailed = 2;

// Each operation opens its key, does its work and closes the key again.

// Missing value or one that is not an integer: value := -1, false. Key not opened: value
// unchanged, false.
bool ReadStoredInteger(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                       std::wstring_view name, std::int32_t& value);
// Plain or expandable text, unexpanded. Otherwise (no key, no value, not a text) false with
// text unchanged.
bool ReadStoredText(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                    std::wstring_view name, std::wstring& text);
// True when the first value exists as text: both texts are then set, the second empty when its
// value is missing or not a text. Otherwise false with both unchanged.
bool ReadStoredTextPair(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                        std::wstring_view firstName, std::wstring& first, std::wstring& second,
                        std::wstring_view secondName);

// Create the key (and its path) when missing. kWriteDone when the value was written.
int WriteStoredInteger(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                       std::wstring_view name, std::int32_t value);
int WriteStoredText(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                    std::wstring_view name, std::wstring_view value);

// The Run value's data: the program in the given folder, quoted so that a folder with blanks
// cannot be read as another program followed by arguments.
std::wstring RunValueData(std::wstring_view programFolder);
int WriteRunValue(SettingsStore& store, std::wstring_view programFolder);

// Removes the Run value and the task's values; "Ignore" stays. Missing keys or values are fine.
// False when a value is still there afterwards.
bool ClearStoredTask(SettingsStore& store);

}  // namespace dusk
