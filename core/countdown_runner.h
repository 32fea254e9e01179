#pragma once
#include <cstdint>

namespace dusk {

enum class CountdownOutcome {
    RanOut,       // nobody cancelled: the action is due now
    Cancelled,    // the user confirmed the cancel
    Interrupted,  // the countdown ended otherwise (the window closed, the session ending)
    Joined,       // a countdown was already running; it, not this caller, decides
};

// Shows the cancellable countdown for an action modally and tells how it ended.
class CountdownRunner {
public:
    virtual ~CountdownRunner() = default;
    virtual CountdownOutcome Run(std::int32_t actionCode) = 0;
};

}  // namespace dusk
