#include "system/win32/current_user.h"

#include <windows.h>
// windows.h first: the SID text calls build on it.
#include <sddl.h>

#include <vector>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

namespace {

using UniqueLocalText = UniqueLocalMemory<LPWSTR>;

std::wstring QualifiedName(PSID sid) {
    wchar_t name[256] = {}, domain[256] = {};
    DWORD nameLength = 256, domainLength = 256;
    SID_NAME_USE use{};
    if (!::LookupAccountSidW(nullptr, sid, name, &nameLength, domain, &domainLength, &use))
        return {};
    return domainLength == 0 ? std::wstring(name) : std::wstring(domain) + L"\\" + name;
}

}  // namespace

UserAccount CurrentUserAccount() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return {};
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !::GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size))
        return {};
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
    UserAccount account{QualifiedName(sid), {}};
    UniqueLocalText sidText;
    if (::ConvertSidToStringSidW(sid, sidText.Put())) account.sid = sidText.Get();
    return account;
}

}  // namespace dusk::win32
