#include "core/single_instance.h"

namespace dusk {

bool IsScheduledStart(std::wstring_view firstArgument, std::wstring_view secondArgument) {
    return !firstArgument.empty() || !secondArgument.empty();
}

InstanceWindow ClaimFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                                  InstanceWindow window) {
    for (;;) {
        const InstanceWindow first = block.FirstInstance();
        if (first == window) return window;
        if (first != 0 && messenger.IsProgramWindow(first)) return first;
        if (block.ReplaceFirstInstance(first, window)) {
            // A main window left by an ended first instance or an impostor is not this one's.
            block.SetMainWindow(0);
            return window;
        }
    }
}

HandOff HandOffToFirstInstance(InstanceBlock& block, FirstInstanceMessenger& messenger,
                               InstanceWindow applicationWindow, bool scheduledStart) {
    if (!block.Available()) return {};
    for (std::uint32_t waited = 0;; waited += kHandOffPollMs) {
        const InstanceWindow first = ClaimFirstInstance(block, messenger, applicationWindow);
        if (first == applicationWindow) return {};
        if (!scheduledStart) {
            messenger.Restore(first);
            return {StartRole::HandedOver, first, 0};
        }
        // The first instance may still be starting: its main window is published shortly.
        const InstanceWindow main = block.MainWindow();
        const bool published = main != 0 && messenger.IsProgramWindow(main);
        // A send that timed out may still be handled later: it is never repeated.
        if (published && messenger.SendScheduledStart(main, applicationWindow)) {
            return {StartRole::AwaitingDone, first, main};
        }
        if (published || waited >= kHandOffWaitMs) {
            messenger.Restore(first);
            return {StartRole::StartNotHanded, first, 0};
        }
        messenger.Pause(kHandOffPollMs);
    }
}

void PublishMainWindow(InstanceBlock& block, InstanceWindow applicationWindow,
                       InstanceWindow mainWindow) {
    // Only the first instance owns the slots.
    if (block.Available() && block.FirstInstance() == applicationWindow) {
        block.SetMainWindow(mainWindow);
    }
}

void ReleaseFirstInstance(InstanceBlock& block, InstanceWindow applicationWindow) {
    if (!block.Available() || block.FirstInstance() != applicationWindow) return;
    // The main window first: a later process never sees this main window under the next first
    // instance.
    block.SetMainWindow(0);
    block.ReplaceFirstInstance(applicationWindow, 0);
}

}  // namespace dusk
