#include "fakes/fixed_regions.h"

#include <stdexcept>

namespace dusk::test {

namespace {

RegionalSettings Region(std::wstring timeSeparator, bool hourLeadingZero, bool twelveHourClock,
                        std::wstring amText, std::wstring pmText, bool markerBeforeTime,
                        std::wstring shortDatePattern, std::wstring dateSeparator) {
    return {std::move(timeSeparator),    hourLeadingZero,         twelveHourClock,
            std::move(amText),           std::move(pmText),       markerBeforeTime,
            std::move(shortDatePattern), std::move(dateSeparator)};
}

}  // namespace

const std::vector<FixedRegion>& FixedRegions() {
    static const std::vector<FixedRegion> regions = {
        {"en-US", Region(L":", false, true, L"AM", L"PM", false, L"M/d/yyyy", L"/")},
        {"de-DE", Region(L":", true, false, L"", L"", false, L"dd.MM.yyyy", L".")},
        {"ja-JP", Region(L":", false, false, L"午前", L"午後", false, L"yyyy/MM/dd", L"/")},
        {"ko-KR", Region(L":", false, true, L"오전", L"오후", true, L"yyyy-MM-dd", L"-")},
        {"zh-TW", Region(L":", true, true, L"上午", L"下午", true, L"yyyy/M/d", L"/")},
        {"en-GB", Region(L":", true, false, L"AM", L"PM", false, L"dd/MM/yyyy", L"/")},
        {"fi-FI", Region(L".", false, false, L"ap.", L"ip.", false, L"d.M.yyyy", L".")},
    };
    return regions;
}

const RegionalSettings& FixedRegionSettings(const std::string& name) {
    for (const FixedRegion& region : FixedRegions()) {
        if (region.name == name) return region.settings;
    }
    throw std::out_of_range("no fixed region " + name);
}

}  // namespace dusk::test
