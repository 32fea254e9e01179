#pragma once
#include <cstdint>

#include "core/task_model.h"
#include "system/power_api.h"

namespace dusk {

// Enables the shutdown privilege in the process token for the rest of the process's life.
// Answers 0, or the system error code of the step that failed; 1300 when the account
// does not hold the privilege.
std::uint32_t EnableShutdownPrivilege(PowerApi& api);

// Performs the operating-system call for the action; None does nothing. Answers 0 when the
// call succeeded, else the system error code it failed with (a failed call leaves the program
// as it is).
std::uint32_t PerformPowerAction(PowerApi& api, TaskAction action);

}  // namespace dusk
