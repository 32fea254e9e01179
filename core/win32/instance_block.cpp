#include "core/win32/instance_block.h"

#include <cstdint>

#include "base/win32/object_security.h"

namespace dusk::win32 {

namespace {
constexpr wchar_t kBlockName[] = L"{3BF4B840-B865-48C2-AD11-D0DE993D9622}";
constexpr wchar_t kNamespacePrefix[] = L"TolvaneDuskRelay";
constexpr DWORD kBlockSize = 8;
// A first instance answers the hand-off at once, but one still starting answers only when its
// start-up next looks at its messages.
constexpr UINT kSendTimeoutMs = 20000;

struct BoundaryTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteBoundaryDescriptor(handle); }
};

// Opens the program's namespace bound to the Administrators group, creating it first; null
// where the system has no private namespaces. The boundary is asked for first: Wine answers it
// with null and has no namespace calls behind it.
UniquePrivateNamespace OpenAdministratorsNamespace(SECURITY_ATTRIBUTES* security) {
    UniqueResource<BoundaryTraits> boundary(::CreateBoundaryDescriptorW(kNamespacePrefix, 0));
    if (!boundary || security == nullptr) return {};
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof administrators;
    HANDLE descriptor = boundary.Get();
    if (!::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size) ||
        !::AddSIDToBoundaryDescriptor(&descriptor, administrators)) {
        return {};
    }
    boundary.Release();
    boundary.Reset(descriptor);
    UniquePrivateNamespace opened(
        ::CreatePrivateNamespaceW(security, boundary.Get(), kNamespacePrefix));
    if (!opened && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        opened.Reset(::OpenPrivateNamespaceW(boundary.Get(), kNamespacePrefix));
    }
    return opened;
}

}  // namespace

HWND WindowOf(InstanceWindow window) {
    // Window handles carry 32 significant bits and are sign-extended in 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

InstanceWindow InstanceWindowOf(HWND window) {
    return static_cast<InstanceWindow>(reinterpret_cast<std::uintptr_t>(window));
}

std::wstring ProcessImagePath(HANDLE process) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = DWORD(path.size());
        if (::QueryFullProcessImageNameW(process, 0, path.data(), &length)) {
            path.resize(length);
            return path;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() > 32768) return {};
        path.resize(path.size() * 2);
    }
}

NamedInstanceBlock::NamedInstanceBlock() {
    SecurityAttributes administratorsOnly(kAdministratorsOnly);
    namespace_ = OpenAdministratorsNamespace(administratorsOnly.Get());
    const std::wstring name =
        namespace_ ? std::wstring(kNamespacePrefix) + L"\\" + kBlockName : kBlockName;
    // A new paging-file mapping is zero-filled; should another process have made it first,
    // this opens that one, whose slots must not be cleared.
    mapping_.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, administratorsOnly.Get(),
                                        PAGE_READWRITE, 0, kBlockSize, name.c_str()));
    if (!mapping_) return;
    // Outside the namespace, a block made by anyone but an administrator is someone else's:
    // trusting its slots would let it swallow every start.
    if (!namespace_ && !OwnedByAdministrators(mapping_.Get(), SE_KERNEL_OBJECT)) {
        mapping_.Reset();
        opening_ = Opening::RefusedOwner;
        return;
    }
    view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kBlockSize));
    if (!view_) {
        mapping_.Reset();
        return;
    }
    slots_ = static_cast<volatile LONG*>(view_.Get());
    opening_ = namespace_ ? Opening::PrivateNamespace : Opening::AdministratorsOnly;
}

InstanceWindow NamedInstanceBlock::FirstInstance() const {
    return static_cast<InstanceWindow>(slots_[0]);
}

bool NamedInstanceBlock::ReplaceFirstInstance(InstanceWindow expected, InstanceWindow desired) {
    return ::InterlockedCompareExchange(&slots_[0], static_cast<LONG>(desired),
                                        static_cast<LONG>(expected)) == static_cast<LONG>(expected);
}

InstanceWindow NamedInstanceBlock::MainWindow() const {
    return static_cast<InstanceWindow>(slots_[1]);
}

void NamedInstanceBlock::SetMainWindow(InstanceWindow window) {
    ::InterlockedExchange(&slots_[1], static_cast<LONG>(window));
}

WindowMessenger::WindowMessenger() : ownImage_(ProcessImagePath(::GetCurrentProcess())) {}

bool WindowMessenger::IsProgramWindow(InstanceWindow window) {
    const HWND handle = WindowOf(window);
    DWORD processId = 0;
    if (ownImage_.empty() || !::IsWindow(handle) ||
        ::GetWindowThreadProcessId(handle, &processId) == 0) {
        return false;
    }
    const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    const std::wstring image = ProcessImagePath(process.Get());
    return ::CompareStringOrdinal(image.c_str(), int(image.size()), ownImage_.c_str(),
                                  int(ownImage_.size()), TRUE) == CSTR_EQUAL;
}

bool WindowMessenger::SendScheduledStart(InstanceWindow mainWindow, InstanceWindow waiter) {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(WindowOf(mainWindow), kScheduledStartMessage, WPARAM(waiter), 0,
                                 SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer) != 0 &&
           answer == kScheduledStartTaken;
}

void WindowMessenger::Restore(InstanceWindow applicationWindow) {
    const HWND window = WindowOf(applicationWindow);
    ::SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                          nullptr);
    const HWND popup = ::GetLastActivePopup(window);
    if (popup != nullptr && popup != window && ::IsWindowVisible(popup) &&
        ::IsWindowEnabled(popup)) {
        ::SetForegroundWindow(popup);
    }
}

}  // namespace dusk::win32
