#pragma once
#include <cstdint>
#include <string_view>

namespace dusk {

// A window as another process of the program sees it: its handle as a 32-bit number.
using InstanceWindow = std::uint32_t;

// The block shared by every process of the program on the machine: slot 1 holds the first
// instance's application window, slot 2 its main window, 0 while unknown.
class InstanceBlock {
public:
    virtual ~InstanceBlock() = default;
    // False when the block could not be opened: the process runs without the check.
    virtual bool Available() const = 0;
    // Writes `window` into slot 1 only while it is 0 (or names a window that no longer exists),
    // in one step, so that of two processes starting at once exactly one becomes the first
    // instance. Answers the slot afterwards.
    virtual InstanceWindow ClaimFirstInstance(InstanceWindow window) = 0;
    virtual InstanceWindow MainWindow() const = 0;
    virtual void SetMainWindow(InstanceWindow window) = 0;
};

// What a later process asks of the first instance; each call waits until it has been handled.
class FirstInstanceMessenger {
public:
    virtual ~FirstInstanceMessenger() = default;
    // The scheduled-start message to the main window: the countdown and the action run first.
    virtual void SendScheduledStart(InstanceWindow mainWindow) = 0;
    // Restores the application window and brings its last active pop-up forward.
    virtual void Restore(InstanceWindow applicationWindow) = 0;
};

// A start counts as scheduled when its first command-line argument is non-empty, or else its
// second.
bool IsScheduledStart(std::wstring_view firstArgument, std::wstring_view secondArgument);

// True when another instance runs and has been given this start: the process must end now
// without creating a window. Otherwise this process is the first instance.
bool HandOffToFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                            InstanceWindow applicationWindow, bool scheduledStart);

// Once the main window exists, so later processes can send it the scheduled start.
void PublishMainWindow(InstanceBlock& block, InstanceWindow applicationWindow,
                       InstanceWindow mainWindow);

}  // namespace dusk
