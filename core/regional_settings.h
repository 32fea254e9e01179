#pragma once
#include <string>

namespace dusk {

// The user's regional date and time settings, as the system reports them.
// Formatting and parsing over them is portable (RegionalFormats).
struct RegionalSettings {
    std::wstring timeSeparator = L":";
    bool hourLeadingZero = false;  // "09:30:00" rather than "9:30:00"
    bool twelveHourClock = true;
    std::wstring amText = L"AM";
    std::wstring pmText = L"PM";
    bool markerBeforeTime = false;  // "PM 9:30:00" rather than "9:30:00 PM"
    // Letters d, dd, M, MM, yy, yyyy; the character '/' stands for dateSeparator; any other
    // character is literal. The system's own pattern may already hold the separator itself.
    std::wstring shortDatePattern = L"M/d/yyyy";
    std::wstring dateSeparator = L"/";
};

}  // namespace dusk
