#include "system/os_family.h"

#include <array>

namespace dusk {

namespace {

constexpr std::array<std::wstring_view, 4> kVistaOrLaterWords = {L"vista", L"windows7", L"windows8",
                                                                 L"windows10"};

}  // namespace

bool IsNtFamily(std::wstring_view osFamily) {
    return osFamily == L"2000" || osFamily == L"2003" || osFamily == L"nt" ||
           osFamily.find(L"xp") != std::wstring_view::npos || IsVistaOrLaterFamily(osFamily);
}

bool HasSchedulerWindow(std::wstring_view osFamily) {
    return osFamily == L"98" || osFamily == L"me";
}

bool IsVistaOrLaterFamily(std::wstring_view osFamily) {
    for (std::wstring_view word : kVistaOrLaterWords) {
        if (osFamily.find(word) != std::wstring_view::npos) return true;
    }
    return false;
}

}  // namespace dusk
