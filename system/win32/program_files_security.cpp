#include "system/win32/program_files_security.h"

#include <windows.h>
// windows.h first: the security headers build on it.
#include <aclapi.h>
#include <sddl.h>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

namespace {

using UniqueSecurityDescriptor = UniqueLocalMemory<PSECURITY_DESCRIPTOR>;
using UniqueLocalText = UniqueLocalMemory<LPWSTR>;

Trustee TrusteeOf(PSID sid) {
    UniqueLocalText text;
    if (!::ConvertSidToStringSidW(sid, text.Put())) return Trustee::Other;
    return TrusteeOfSid(text.Get());
}

// Allow and deny entries; audit and object entries do not apply to files.
std::vector<AccessEntry> EntriesOf(PACL list) {
    std::vector<AccessEntry> entries;
    ACL_SIZE_INFORMATION size{};
    if (!::GetAclInformation(list, &size, sizeof size, AclSizeInformation)) return entries;
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* raw = nullptr;
        if (!::GetAce(list, i, &raw)) continue;
        const auto* header = static_cast<const ACE_HEADER*>(raw);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_DENIED_ACE_TYPE)
            continue;
        // Both kinds share the layout: header, mask, then the SID.
        auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(raw);
        entries.push_back({header->AceType == ACCESS_ALLOWED_ACE_TYPE,
                           TrusteeOf(reinterpret_cast<PSID>(&ace->SidStart)), ace->Mask,
                           (header->AceFlags & INHERIT_ONLY_ACE) != 0});
    }
    return entries;
}

}  // namespace

FileSecurity SecurityOf(void* descriptor, const std::wstring& path) {
    FileSecurity file;
    file.path = path;
    PSID owner = nullptr;
    PACL list = nullptr;
    BOOL defaulted = FALSE, present = FALSE;
    if (descriptor == nullptr || !::GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) ||
        !::GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) || owner == nullptr)
        return file;
    file.read = true;
    file.owner = TrusteeOf(owner);
    file.hasAccessList = present && list != nullptr;
    if (file.hasAccessList) file.entries = EntriesOf(list);
    return file;
}

FileSecurity ReadFileSecurity(const std::wstring& path) {
    UniqueSecurityDescriptor descriptor;
    if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT,
                                OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr,
                                nullptr, nullptr, nullptr, descriptor.Put()) != ERROR_SUCCESS)
        return SecurityOf(nullptr, path);
    return SecurityOf(descriptor.Get(), path);
}

SystemProgramFilesSecurity::SystemProgramFilesSecurity(std::wstring programFolder)
    : programFolder_(std::move(programFolder)) {}

std::vector<FileSecurity> SystemProgramFilesSecurity::Read() {
    wchar_t program[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || programFolder_.empty()) return {};
    // The folder without its separator: a root such as "C:\" keeps it.
    std::wstring folder = programFolder_;
    if (folder.size() > 3) folder.pop_back();
    return {ReadFileSecurity(folder), ReadFileSecurity(program),
            ReadFileSecurity(programFolder_ + L"Vimbly.dll")};
}

}  // namespace dusk::win32
