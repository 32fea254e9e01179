#pragma once
#include <string_view>

#include "core/regional_settings.h"

namespace dusk::win32 {

// The current user's regional date and time settings (GetLocaleInfoEx of the user default
// locale). A setting the system does not report keeps the struct's default.
RegionalSettings ReadUserRegionalSettings();

// Takes the hour's leading zero, the 12/24-hour clock and the marker's position from a system
// time format such as "h:mm:ss tt" or "HH:mm:ss". Text in single quotes is literal.
void ApplyTimeFormat(std::wstring_view format, RegionalSettings& settings);

}  // namespace dusk::win32
