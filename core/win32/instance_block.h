#pragma once
#include <windows.h>

#include "base/win32/unique_handle.h"
#include "core/single_instance.h"

namespace dusk::win32 {

// Sent by a later process to the first instance's main window; both parameters 0.
constexpr UINT kScheduledStartMessage = 2126;

HWND WindowOf(InstanceWindow window);
InstanceWindow InstanceWindowOf(HWND window);

// The named 8-byte block, opened or created at construction and kept for the process's life.
class NamedInstanceBlock : public InstanceBlock {
public:
    NamedInstanceBlock();

    bool Available() const override { return slots_ != nullptr; }
    InstanceWindow ClaimFirstInstance(InstanceWindow window) override;
    InstanceWindow MainWindow() const override;
    void SetMainWindow(InstanceWindow window) override;

private:
    UniqueHandle mapping_;
    UniqueMappedView view_;
    volatile LONG* slots_ = nullptr;
};

class WindowMessenger : public FirstInstanceMessenger {
public:
    void SendScheduledStart(InstanceWindow mainWindow) override;
    void Restore(InstanceWindow applicationWindow) override;
};

}  // namespace dusk::win32
