#pragma once
#include <string>
#include <vector>

#include "core/regional_settings.h"

namespace dusk::test {

struct FixedRegion {
    std::string name;
    RegionalSettings settings;
};

// Regional settings as the system reports them for a few regions, covering both clocks,
// both marker positions, hour leading zeros, day-first/month-first/year-first dates and
// date and time separators other than '/' and ':'. Regions without names of their own keep the
// English month and day names.
const std::vector<FixedRegion>& FixedRegions();
// The region of that name; throws std::out_of_range for an unknown name.
const RegionalSettings& FixedRegionSettings(const std::string& name);

}  // namespace dusk::test
