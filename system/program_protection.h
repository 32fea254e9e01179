#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/activity_log.h"

namespace dusk {

// Who an access-control entry or an owner names, as far as protection is concerned.
enum class Trustee {
    Administrators,
    System,
    TrustedInstaller,
    CreatorOwner,  // stands for whoever creates a file; only passed on to new files
    Everyone,      // Everyone, Users, Authenticated Users and Interactive hold every user
    Users,
    AuthenticatedUsers,
    Interactive,
    Other,  // any other user or group
};

// The trustee a SID in its text form ("S-1-5-32-544") names.
Trustee TrusteeOfSid(std::wstring_view sid);

struct AccessEntry {
    bool allows = true;  // else it denies
    Trustee trustee = Trustee::Other;
    std::uint32_t rights = 0;  // an access mask
    bool inheritOnly = false;  // applies to new files only
};

// The security of the program's folder or one of its files, as the system reports it.
struct FileSecurity {
    std::wstring path;
    bool read = false;  // the security could be read
    Trustee owner = Trustee::Other;
    bool hasAccessList = true;  // without one, everyone may do everything
    std::vector<AccessEntry> entries;
};

// The rights that let a holder change a file or folder: write or append data, add or delete
// what a folder holds, delete it, change its access list or owner, generically write or all.
constexpr std::uint32_t kChangeRights =
    0x2 | 0x4 | 0x40 | 0x10000 | 0x40000 | 0x80000 | 0x40000000 | 0x10000000;

// True when only Administrators, the system and the installer service can change it: one of
// them owns it (an owner may rewrite the access list) and no one else is granted a change right
// that the list did not deny every user before.
bool OnlyAdministratorsCanChange(const FileSecurity& file);

// The program's folder and files as the system reports them.
class ProgramFilesSecurity {
public:
    virtual ~ProgramFilesSecurity() = default;
    virtual std::vector<FileSecurity> Read() = 0;
};

// Asked before the system is made to start the program elevated (its job, its log-on start):
// an ordinary user who can change the program's files could run anything elevated through it.
class ElevatedStartGuard {
public:
    // `reportRefusal` tells the user, given the path that is not protected; `log` may be null.
    ElevatedStartGuard(ProgramFilesSecurity& files,
                       std::function<void(const std::wstring& path)> reportRefusal,
                       ActivityLog* log);

    // False, after the refusal was reported and logged, when any of the program's files or its
    // folder can be changed by others than administrators, or their security cannot be read.
    bool AllowsElevatedStart();
    // The same decision, neither reported nor logged.
    bool ProgramProtected();

private:
    ProgramFilesSecurity& files_;
    std::function<void(const std::wstring& path)> reportRefusal_;
    ActivityLog* log_;
};

}  // namespace dusk
