#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "core/regional_settings.h"

namespace dusk {

// The text forms in which times and dates are shown, stored and compared:
//   long time  "9:30:00 PM", "21:30:00", "오후 9:30:00"
//   short date  the region's short date pattern, with its month and day names
//   date-time   short date, one blank, long time
//   default     the date-time form, or the short date alone at 00:00:00
// Every text is read back with the settings that wrote it.
class RegionalFormats {
public:
    explicit RegionalFormats(RegionalSettings settings);

    const RegionalSettings& Settings() const { return settings_; }

    // Milliseconds are never written.
    std::wstring FormatLongTime(DateTime moment) const;
    std::wstring FormatShortDate(DateTime moment) const;
    std::wstring FormatDateTime(DateTime moment) const;
    std::wstring FormatDefault(DateTime moment) const;

    // A time of day as milliseconds since midnight. Seconds may be left out. A text without
    // the AM/PM marker reads as a 24-hour time, also in a 12-hour region.
    std::optional<std::int64_t> ParseLongTime(std::wstring_view text) const;
    // Midnight of the date.
    std::optional<DateTime> ParseShortDate(std::wstring_view text) const;
    // The date-time or the default form. The date is read by the pattern, so a pattern that
    // holds a blank still splits at the right place.
    std::optional<DateTime> ParseDateTime(std::wstring_view text) const;

private:
    // Twelve-hour numbering only where the markers tell the afternoon apart: with an empty PM
    // marker, or one equal to the AM marker, the hours are written 0 to 23 without a marker.
    bool WritesTwelveHourClock() const;

    RegionalSettings settings_;
};

}  // namespace dusk
