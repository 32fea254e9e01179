#pragma once
#include <functional>
#include <vector>

namespace dusk {

// The first instance's side of scheduled starts: its own, when the scheduler started it, and
// those handed over by later processes. A start that arrives before the main window's first
// showing has finished waits for it; one countdown serves every start that arrives before it
// is over.
class ScheduledStarts {
public:
    // Counts down the set task and calls `onDone` once the countdown and any action are over.
    using CountDown = std::function<void(std::function<void()> onDone)>;

    explicit ScheduledStarts(CountDown countDown) : countDown_(std::move(countDown)) {}

    // A start arrived; `onDone` runs once the countdown that serves it is over.
    void Add(std::function<void()> onDone);
    // The first showing has finished: a start that arrived meanwhile counts down now.
    void OnFirstShowDone();

private:
    void Begin();

    CountDown countDown_;
    std::vector<std::function<void()>> waiting_;
    bool ready_ = false;
    bool counting_ = false;
};

}  // namespace dusk
