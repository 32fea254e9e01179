#pragma once
#include <cstdint>
#include <functional>

#include "core/single_instance.h"

namespace dusk::win32 {

// What the main window asks of the application: the showings and the program's own messages go
// to the task controller, the skin buttons to the skin selection. The task buttons' clicks go
// through their models.
struct MainWindowEvents {
    // The first showing, after the window's own layout steps; later showings run nothing.
    std::function<void()> onFirstShow;
    // Message 0x1289.
    std::function<void()> onRefresh;
    // Message 2126 from a later process: the countdown and the action of the current task;
    // `waiter` is told when they are over.
    std::function<void(InstanceWindow waiter)> onScheduledStart;
    // A skin button: the skin code 1 Blue, 2 Green, 3 Black, 4 Yellow, 5 Red.
    std::function<void(std::uint8_t)> onSkinButton;
    // The countdown window is up: a close request from the system is then ignored.
    std::function<bool()> countdownShowing;
    // A task is set: the window hides when the program activates it.
    std::function<bool()> taskSet;
};

}  // namespace dusk::win32
