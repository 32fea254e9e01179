#include "system/program_protection.h"

#include <utility>

namespace dusk {

namespace {

bool IsAdministrative(Trustee trustee) {
    return trustee == Trustee::Administrators || trustee == Trustee::System ||
           trustee == Trustee::TrustedInstaller;
}

bool HoldsEveryUser(Trustee trustee) {
    return trustee == Trustee::Everyone || trustee == Trustee::Users ||
           trustee == Trustee::AuthenticatedUsers || trustee == Trustee::Interactive;
}

std::optional<std::wstring> FirstUnprotected(const std::vector<FileSecurity>& files) {
    if (files.empty()) return std::wstring();  // nothing could be looked at
    for (const FileSecurity& file : files) {
        if (!OnlyAdministratorsCanChange(file)) return file.path;
    }
    return std::nullopt;
}

}  // namespace

Trustee TrusteeOfSid(std::wstring_view sid) {
    constexpr std::pair<std::wstring_view, Trustee> kKnown[] = {
        {L"S-1-5-32-544", Trustee::Administrators},
        {L"S-1-5-18", Trustee::System},
        {L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",
         Trustee::TrustedInstaller},
        {L"S-1-3-0", Trustee::CreatorOwner},
        {L"S-1-1-0", Trustee::Everyone},
        {L"S-1-5-32-545", Trustee::Users},
        {L"S-1-5-11", Trustee::AuthenticatedUsers},
        {L"S-1-5-4", Trustee::Interactive},
    };
    for (const auto& [text, trustee] : kKnown) {
        if (sid == text) return trustee;
    }
    return Trustee::Other;
}

bool OnlyAdministratorsCanChange(const FileSecurity& file) {
    if (!file.read || !file.hasAccessList || !IsAdministrative(file.owner)) return false;
    // Entries are checked in order: a right denied to every user before it is granted stays
    // denied. A deny to one other trustee is not counted, which can only err on the safe side.
    std::uint32_t deniedToEveryone = 0;
    for (const AccessEntry& entry : file.entries) {
        // Creator Owner grants nothing on an existing file: new ones get the creator instead.
        if (entry.inheritOnly || entry.trustee == Trustee::CreatorOwner ||
            IsAdministrative(entry.trustee))
            continue;
        if (!entry.allows) {
            if (HoldsEveryUser(entry.trustee)) deniedToEveryone |= entry.rights;
            continue;
        }
        if (entry.rights & kChangeRights & ~deniedToEveryone) return false;
    }
    return true;
}

ElevatedStartGuard::ElevatedStartGuard(ProgramFilesSecurity& files,
                                       std::function<void(const std::wstring& path)> reportRefusal,
                                       ActivityLog* log)
    : files_(files), reportRefusal_(std::move(reportRefusal)), log_(log) {}

bool ElevatedStartGuard::ProgramProtected() { return !FirstUnprotected(files_.Read()); }

bool ElevatedStartGuard::AllowsElevatedStart() {
    const std::optional<std::wstring> unprotected = FirstUnprotected(files_.Read());
    if (!unprotected) return true;
    if (log_ != nullptr) {
        log_->Record(L"elevated start refused: " + *unprotected +
                     L" can be changed without administrator rights");
    }
    reportRefusal_(*unprotected);
    return false;
}

}  // namespace dusk
