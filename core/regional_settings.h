#pragma once
#include <array>
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
    // Letters d, dd, M, MM, y, yy, yyyy as numbers; ddd, dddd, MMM, MMMM as the names below; g,
    // gg (the era) are left out. The character '/' stands for dateSeparator; text in single
    // quotes and any other character is literal. The system's own pattern may already hold the
    // separator itself.
    std::wstring shortDatePattern = L"M/d/yyyy";
    std::wstring dateSeparator = L"/";
    // January first.
    std::array<std::wstring, 12> monthNames = {L"January",   L"February", L"March",    L"April",
                                               L"May",       L"June",     L"July",     L"August",
                                               L"September", L"October",  L"November", L"December"};
    std::array<std::wstring, 12> abbreviatedMonthNames = {L"Jan", L"Feb", L"Mar", L"Apr",
                                                          L"May", L"Jun", L"Jul", L"Aug",
                                                          L"Sep", L"Oct", L"Nov", L"Dec"};
    // Monday first, as the system lists them.
    std::array<std::wstring, 7> dayNames = {L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                            L"Friday", L"Saturday", L"Sunday"};
    std::array<std::wstring, 7> abbreviatedDayNames = {L"Mon", L"Tue", L"Wed", L"Thu",
                                                       L"Fri", L"Sat", L"Sun"};
};

}  // namespace dusk
