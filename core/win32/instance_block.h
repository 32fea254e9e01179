#pragma once
#include <windows.h>

#include <string>

#include "base/win32/unique_handle.h"
#include "core/single_instance.h"

namespace dusk::win32 {

// Sent by a later process to the first instance's main window; wParam names the later
// process's application window, which is told when the countdown is over. Answered with
// kScheduledStartTaken at once.
constexpr UINT kScheduledStartMessage = 2126;
// Posted back to that window when the countdown and any action are over.
constexpr UINT kScheduledStartDoneMessage = 2127;
constexpr LRESULT kScheduledStartTaken = 1;

HWND WindowOf(InstanceWindow window);
InstanceWindow InstanceWindowOf(HWND window);

// The full path of the image a process runs; empty when it cannot be read.
std::wstring ProcessImagePath(HANDLE process);

struct PrivateNamespaceTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::ClosePrivateNamespace(handle, 0); }
};
using UniquePrivateNamespace = UniqueResource<PrivateNamespaceTraits>;

// The named 8-byte block, opened or created at construction and kept for the process's life.
// It lives in a namespace only Administrators can open; where the system offers none, it is
// made with a descriptor that only SYSTEM and Administrators may use, and a block that someone
// else made first is refused.
class NamedInstanceBlock : public InstanceBlock {
public:
    enum class Opening { PrivateNamespace, AdministratorsOnly, RefusedOwner, Unavailable };

    NamedInstanceBlock();

    Opening HowOpened() const { return opening_; }
    bool Available() const override { return slots_ != nullptr; }
    InstanceWindow FirstInstance() const override;
    bool ReplaceFirstInstance(InstanceWindow expected, InstanceWindow desired) override;
    InstanceWindow MainWindow() const override;
    void SetMainWindow(InstanceWindow window) override;

private:
    UniquePrivateNamespace namespace_;
    UniqueHandle mapping_;
    UniqueMappedView view_;
    volatile LONG* slots_ = nullptr;
    Opening opening_ = Opening::Unavailable;
};

class WindowMessenger : public FirstInstanceMessenger {
public:
    WindowMessenger();
    bool IsProgramWindow(InstanceWindow window) override;
    bool SendScheduledStart(InstanceWindow mainWindow, InstanceWindow waiter) override;
    void Restore(InstanceWindow applicationWindow) override;
    void Pause(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }

private:
    const std::wstring ownImage_;
};

}  // namespace dusk::win32
