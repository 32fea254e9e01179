#pragma once
#include <windows.h>
// After windows.h.
#include <accctrl.h>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

// Security attributes made from a security descriptor string (SDDL), for objects this process
// creates.
class SecurityAttributes {
public:
    explicit SecurityAttributes(const wchar_t* sddl);
    // Null when the string could not be converted: a caller must then not create the object.
    SECURITY_ATTRIBUTES* Get() { return descriptor_ ? &attributes_ : nullptr; }

private:
    UniqueLocalMemory<PSECURITY_DESCRIPTOR> descriptor_;
    SECURITY_ATTRIBUTES attributes_{};
};

// Owner Administrators; SYSTEM and Administrators full control, nobody else anything.
constexpr wchar_t kAdministratorsOnly[] = L"O:BAD:P(A;;GA;;;SY)(A;;GA;;;BA)";

// Owner Administrators; SYSTEM and Administrators full control, Users read; inherited by the
// folder's files.
constexpr wchar_t kAdministratorsFolderUsersRead[] =
    L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FR;;;BU)";

// Owner Administrators; SYSTEM and Administrators full control, Users read.
constexpr wchar_t kAdministratorsFileUsersRead[] = L"O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FR;;;BU)";

// True when the object's owner is Administrators or SYSTEM; false too when it has no owner or
// its owner cannot be read.
bool OwnedByAdministrators(HANDLE object, SE_OBJECT_TYPE type);

}  // namespace dusk::win32
