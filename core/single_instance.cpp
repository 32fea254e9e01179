#include "core/single_instance.h"

namespace dusk {

bool IsScheduledStart(std::wstring_view firstArgument, std::wstring_view secondArgument) {
    return !firstArgument.empty() || !secondArgument.empty();
}

bool HandOffToFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                            InstanceWindow applicationWindow, bool scheduledStart) {
    if (!block.Available()) return false;
    const InstanceWindow first = block.ClaimFirstInstance(applicationWindow);
    if (first == applicationWindow) return false;
    // A first instance that is still starting has no main window yet: the start is lost, as
    // it would be with any message sent to no window.
    if (scheduledStart && block.MainWindow() != 0) messenger.SendScheduledStart(block.MainWindow());
    messenger.Restore(first);
    return true;
}

void PublishMainWindow(InstanceBlock& block, InstanceWindow applicationWindow,
                       InstanceWindow mainWindow) {
    // Only the first instance owns the slots.
    if (block.Available() && block.ClaimFirstInstance(applicationWindow) == applicationWindow) {
        block.SetMainWindow(mainWindow);
    }
}

}  // namespace dusk
