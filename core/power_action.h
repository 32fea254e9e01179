#pragma once
#include <cstdint>
#include <string>

#include "core/task_model.h"

namespace dusk {

// Performs a task's power action through the system; never called for TaskAction::None.
class PowerAction {
public:
    virtual ~PowerAction() = default;
    // The system's answer: 0 when the call was made, else the system error code it failed with.
    virtual std::uint32_t Perform(TaskAction action) = 0;
};

// The activity log's line for an action performed and the system's answer:
// "action performed: Shutdown, the system answered 0" or
// "action failed: Shutdown, the system answered error 1314".
std::wstring PowerActionLogLine(TaskAction action, std::uint32_t answer);

}  // namespace dusk
