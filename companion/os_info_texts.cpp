#include "companion/os_info_texts.h"

namespace dusk {

std::u16string OsFamilyFor(const OsVersion& version) {
    if (version.platformId == 1) return version.minor >= 90 ? u"me" : u"98";
    const auto at = [&](std::uint32_t major, std::uint32_t minor) {
        return version.major > major || (version.major == major && version.minor >= minor);
    };
    if (at(10, 0)) return u"windows10";
    if (at(6, 2)) return u"windows8";  // 8 and 8.1
    if (at(6, 1)) return u"windows7";
    if (at(6, 0)) return u"vista";
    // 5.2 is Server 2003, or XP x64 on a workstation.
    if (at(5, 2)) return version.workstation ? u"xp" : u"2003";
    if (at(5, 1)) return u"xp";
    if (at(5, 0)) return u"2000";
    return u"nt";
}

std::u16string SafeTaskNameSuffix(std::u16string_view userName) {
    std::u16string safe(userName);
    for (char16_t& c : safe) {
        if (c < 0x20 || std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos)
            c = u'_';
    }
    return safe;
}

}  // namespace dusk
