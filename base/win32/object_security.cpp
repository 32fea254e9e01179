#include "base/win32/object_security.h"

#include <aclapi.h>
#include <sddl.h>

namespace dusk::win32 {

SecurityAttributes::SecurityAttributes(const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                                nullptr)) {
        return;
    }
    descriptor_.Reset(descriptor);
    attributes_ = {sizeof attributes_, descriptor, FALSE};
}

bool OwnedByAdministrators(HANDLE object, SE_OBJECT_TYPE type) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(object, type, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                          nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const UniqueLocalMemory<PSECURITY_DESCRIPTOR> held(descriptor);
    return owner != nullptr && (::IsWellKnownSid(owner, WinBuiltinAdministratorsSid) ||
                                ::IsWellKnownSid(owner, WinLocalSystemSid));
}

}  // namespace dusk::win32
