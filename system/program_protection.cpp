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
