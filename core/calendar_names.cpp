#include "core/calendar_names.h"

#include <algorithm>

namespace dusk {
namespace {

// Lower case of the capitals of the scripts whose month and day names have letter case.
wchar_t FoldLetter(wchar_t c) {
    const auto in = [c](wchar_t first, wchar_t last) { return c >= first && c <= last; };
    if (in(L'A', L'Z') || (in(0xC0, 0xDE) && c != 0xD7)) return wchar_t(c + 0x20);  // Latin-1
    // Latin Extended-A pairs its capital with the next code, switching parity at U+0138.
    if ((in(0x100, 0x137) || in(0x14A, 0x177)) && c % 2 == 0) return wchar_t(c + 1);
    if ((in(0x139, 0x148) || in(0x179, 0x17E)) && c % 2 == 1) return wchar_t(c + 1);
    if (in(0x391, 0x3AB) && c != 0x3A2) return wchar_t(c + 0x20);  // Greek
    if (in(0x410, 0x42F)) return wchar_t(c + 0x20);                // Cyrillic
    if (in(0x400, 0x40F)) return wchar_t(c + 0x50);
    return c;
}

bool StartsWithName(std::wstring_view text, std::wstring_view name) {
    return text.size() >= name.size() &&
           std::equal(name.begin(), name.end(), text.begin(),
                      [](wchar_t a, wchar_t b) { return FoldLetter(a) == FoldLetter(b); });
}

}  // namespace

int DayOfWeek(DateTime moment) {
    // 0001-01-01 was a Monday; the moments the program handles are all later.
    return int(moment.Date().Milliseconds() / DateTime::kMsPerDay % 7);
}

std::optional<int> ReadName(std::span<const std::wstring> names, std::wstring_view text,
                            std::size_t& pos) {
    const std::wstring_view rest = text.substr(std::min(pos, text.size()));
    std::optional<int> found;
    std::size_t length = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::wstring& name = names[i];
        if (name.size() > length && StartsWithName(rest, name)) {
            found = int(i);
            length = name.size();
        }
    }
    if (found) pos += length;
    return found;
}

}  // namespace dusk
