#pragma once

namespace dusk {

// What the task logic does to the main window itself.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // Hidden; it stays reachable through the notification-area icon.
    virtual void Hide() = 0;
    virtual void Minimize() = 0;
    // Back from minimized or hidden, shown.
    virtual void Restore() = 0;
};

}  // namespace dusk
