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

RegionalSettings WithNames(RegionalSettings settings, std::array<std::wstring, 12> months,
                           std::array<std::wstring, 12> shortMonths,
                           std::array<std::wstring, 7> days,
                           std::array<std::wstring, 7> shortDays) {
    settings.monthNames = std::move(months);
    settings.abbreviatedMonthNames = std::move(shortMonths);
    settings.dayNames = std::move(days);
    settings.abbreviatedDayNames = std::move(shortDays);
    return settings;
}

RegionalSettings Germany() {
    return WithNames(
        Region(L":", true, false, L"", L"", false, L"dd.MM.yyyy", L"."),
        {L"Januar", L"Februar", L"März", L"April", L"Mai", L"Juni", L"Juli", L"August",
         L"September", L"Oktober", L"November", L"Dezember"},
        {L"Jan", L"Feb", L"Mär", L"Apr", L"Mai", L"Jun", L"Jul", L"Aug", L"Sep", L"Okt", L"Nov",
         L"Dez"},
        {L"Montag", L"Dienstag", L"Mittwoch", L"Donnerstag", L"Freitag", L"Samstag", L"Sonntag"},
        {L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa", L"So"});
}

RegionalSettings Korea() {
    const std::array<std::wstring, 12> months = {L"1월", L"2월", L"3월", L"4월",  L"5월",  L"6월",
                                                 L"7월", L"8월", L"9월", L"10월", L"11월", L"12월"};
    return WithNames(Region(L":", false, true, L"오전", L"오후", true, L"yyyy-MM-dd", L"-"), months,
                     months,
                     {L"월요일", L"화요일", L"수요일", L"목요일", L"금요일", L"토요일", L"일요일"},
                     {L"월", L"화", L"수", L"목", L"금", L"토", L"일"});
}

}  // namespace

const std::vector<FixedRegion>& FixedRegions() {
    static const std::vector<FixedRegion> regions = {
        {"en-US", Region(L":", false, true, L"AM", L"PM", false, L"M/d/yyyy", L"/")},
        {"de-DE", Germany()},
        {"ja-JP", Region(L":", false, false, L"午前", L"午後", false, L"yyyy/MM/dd", L"/")},
        {"ko-KR", Korea()},
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
