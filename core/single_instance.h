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
    // False when the block could not be opened, or was refused: the process runs without the
    // check.
    virtual bool Available() const = 0;
    virtual InstanceWindow FirstInstance() const = 0;
    // Writes `desired` into slot 1 only while it holds `expected`, in one step; false otherwise.
    virtual bool ReplaceFirstInstance(InstanceWindow expected, InstanceWindow desired) = 0;
    virtual InstanceWindow MainWindow() const = 0;
    virtual void SetMainWindow(InstanceWindow window) = 0;
};

// What a later process asks of the first instance.
class FirstInstanceMessenger {
public:
    virtual ~FirstInstanceMessenger() = default;
    // True only for a live window of a process that runs this program's own image: any other
    // window in a slot is a first instance that ended or an impostor.
    virtual bool IsProgramWindow(InstanceWindow window) = 0;
    // Hands the scheduled start to the main window; `waiter` is told when the countdown and the
    // action are over. False when the first instance did not take it (gone, hung).
    virtual bool SendScheduledStart(InstanceWindow mainWindow, InstanceWindow waiter) = 0;
    // Restores the application window and brings its last active pop-up forward.
    virtual void Restore(InstanceWindow applicationWindow) = 0;
    // Lets a first instance that is still starting get on with it.
    virtual void Pause(std::uint32_t milliseconds) = 0;
};

// A start counts as scheduled when its first command-line argument is non-empty, or else its
// second.
bool IsScheduledStart(std::wstring_view firstArgument, std::wstring_view secondArgument);

// Puts `window` into slot 1 unless a live window of the program holds it, so that of two
// processes starting at once exactly one becomes the first instance. Answers the slot
// afterwards.
InstanceWindow ClaimFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                                  InstanceWindow window);

enum class StartRole {
    FirstInstance,   // this process runs the program
    HandedOver,      // the first instance was restored: end now
    AwaitingDone,    // the first instance took the scheduled start: end when it says so, or ends
    StartNotHanded,  // the first instance never took the scheduled start; it was restored
};

struct HandOff {
    StartRole role = StartRole::FirstInstance;
    InstanceWindow firstInstance = 0;  // its application window, once another instance runs
    InstanceWindow mainWindow = 0;     // the window that took the scheduled start
};

// How long a scheduled start waits for a first instance that is still starting to publish its
// main window and take the start.
constexpr std::uint32_t kHandOffWaitMs = 10000;
constexpr std::uint32_t kHandOffPollMs = 100;

// Claims the block or hands this start to the first instance. A plain start only restores it; a
// scheduled start is given to its main window, waiting a bounded time for one that is still
// starting.
HandOff HandOffToFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                               InstanceWindow applicationWindow, bool scheduledStart);

// Once the main window exists, so later processes can send it the scheduled start.
void PublishMainWindow(InstanceBlock& block, InstanceWindow applicationWindow,
                       InstanceWindow mainWindow);

// A first instance that is about to end gives the block up, so the next start becomes the first
// instance at once.
void ReleaseFirstInstance(InstanceBlock& block, InstanceWindow applicationWindow);

}  // namespace dusk
