// The regional time and date parsers over arbitrary text, in a fixed region picked by the first
// byte. Whatever a parser accepts must be a valid moment whose own text form reads back to it;
// and a moment taken from the input must read back from each of its text forms.
#include "core/regional_formats.h"
#include "fakes/fixed_regions.h"
#include "fuzz/fuzz_input.h"

namespace {

using dusk::DateTime;
using dusk::RegionalFormats;

// 9999-12-31 23:59:59, the last moment the text forms can hold.
const DateTime kLastMoment = *DateTime::FromParts({9999, 12, 31, 23, 59, 59});

void CheckParsedText(const RegionalFormats& formats, std::wstring_view text) {
    if (const auto time = formats.ParseLongTime(text)) {
        FUZZ_CHECK(*time >= 0 && *time < DateTime::kMsPerDay);
        FUZZ_CHECK(*time % DateTime::kMsPerSecond == 0);
        const auto again =
            formats.ParseLongTime(formats.FormatLongTime(DateTime::FromMilliseconds(*time)));
        FUZZ_CHECK(again == time);
    }
    if (const auto date = formats.ParseShortDate(text)) {
        FUZZ_CHECK(date->TimeOfDayMs() == 0);
        FUZZ_CHECK(formats.ParseShortDate(formats.FormatShortDate(*date)) == date);
    }
    if (const auto moment = formats.ParseDateTime(text)) {
        FUZZ_CHECK(moment->Milliseconds() % DateTime::kMsPerSecond == 0);
        FUZZ_CHECK(formats.ParseDateTime(formats.FormatDateTime(*moment)) == moment);
        FUZZ_CHECK(formats.ParseDateTime(formats.FormatDefault(*moment)) == moment);
    }
}

void CheckFormattedMoment(const RegionalFormats& formats, std::uint64_t bits) {
    const auto span = static_cast<std::uint64_t>(kLastMoment.Milliseconds()) + 1;
    const DateTime moment = DateTime::FromMilliseconds(static_cast<std::int64_t>(bits % span));
    const DateTime toTheSecond = moment.Plus(-(moment.Milliseconds() % DateTime::kMsPerSecond));
    FUZZ_CHECK(formats.ParseLongTime(formats.FormatLongTime(moment)) == toTheSecond.TimeOfDayMs());
    FUZZ_CHECK(formats.ParseShortDate(formats.FormatShortDate(moment)) == moment.Date());
    FUZZ_CHECK(formats.ParseDateTime(formats.FormatDateTime(moment)) == toTheSecond);
    FUZZ_CHECK(formats.ParseDateTime(formats.FormatDefault(moment)) == toTheSecond);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dusk::fuzz::FuzzInput input(data, size);
    const auto& regions = dusk::test::FixedRegions();
    const RegionalFormats formats(regions[input.Byte() % regions.size()].settings);
    const dusk::fuzz::FuzzInput rest = input;
    CheckParsedText(formats, input.Text());
    dusk::fuzz::FuzzInput momentBytes = rest;
    CheckFormattedMoment(formats, momentBytes.Uint64());
    return 0;
}
