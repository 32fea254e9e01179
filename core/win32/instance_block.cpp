#include "core/win32/instance_block.h"

#include <cstdint>

namespace dusk::win32 {

namespace {
constexpr wchar_t kBlockName[] = L"{3BF4B840-B865-48C2-AD11-D0DE993D9622}";
constexpr DWORD kBlockSize = 8;
}  // namespace

HWND WindowOf(InstanceWindow window) {
    // Window handles carry 32 significant bits and are sign-extended in 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

InstanceWindow InstanceWindowOf(HWND window) {
    return static_cast<InstanceWindow>(reinterpret_cast<std::uintptr_t>(window));
}

NamedInstanceBlock::NamedInstanceBlock() {
    mapping_.Reset(::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kBlockName));
    // A new paging-file mapping is zero-filled. Should another process create it between the
    // open and the create, the create opens that one, whose slots must not be cleared.
    if (!mapping_) {
        mapping_.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            kBlockSize, kBlockName));
    }
    if (!mapping_) return;
    view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kBlockSize));
    if (!view_) {
        mapping_.Reset();
        return;
    }
    slots_ = static_cast<volatile LONG*>(view_.Get());
}

InstanceWindow NamedInstanceBlock::ClaimFirstInstance(InstanceWindow window) {
    for (;;) {
        const LONG first = slots_[0];
        // A first instance whose window is gone ended without the block: its slot is free.
        if (first != 0 && ::IsWindow(WindowOf(static_cast<InstanceWindow>(first)))) {
            return static_cast<InstanceWindow>(first);
        }
        if (::InterlockedCompareExchange(&slots_[0], static_cast<LONG>(window), first) == first) {
            return window;
        }
    }
}

InstanceWindow NamedInstanceBlock::MainWindow() const {
    return static_cast<InstanceWindow>(slots_[1]);
}

void NamedInstanceBlock::SetMainWindow(InstanceWindow window) {
    ::InterlockedExchange(&slots_[1], static_cast<LONG>(window));
}

void WindowMessenger::SendScheduledStart(InstanceWindow mainWindow) {
    ::SendMessageW(WindowOf(mainWindow), kScheduledStartMessage, 0, 0);
}

void WindowMessenger::Restore(InstanceWindow applicationWindow) {
    const HWND window = WindowOf(applicationWindow);
    ::SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    const HWND popup = ::GetLastActivePopup(window);
    if (popup != nullptr && popup != window && ::IsWindowVisible(popup) &&
        ::IsWindowEnabled(popup)) {
        ::SetForegroundWindow(popup);
    }
}

}  // namespace dusk::win32
