#pragma once
#include <cstdint>
#include <functional>

#include "core/task_model.h"

namespace dusk {

enum class CountdownOutcome {
    RanOut,       // nobody cancelled: the action is due now
    Cancelled,    // the user confirmed the cancel
    Interrupted,  // the countdown ended otherwise (its window hidden from outside)
    Postponed,    // the user chose Postpone: PostponedMinutes() tells how long
};

// Shows the cancellable countdown for an action and tells how it ended. The other windows
// take no input while it shows; the caller's message loop goes on.
class CountdownRunner {
public:
    virtual ~CountdownRunner() = default;
    // onDone runs once, when the countdown has ended; a start while one runs ends at once as
    // interrupted.
    virtual void Start(TaskAction action, std::function<void(CountdownOutcome)> onDone) = 0;
    // The length of the latest postponement chosen, in minutes.
    virtual int PostponedMinutes() const = 0;
};

}  // namespace dusk
