#pragma once
#include <cstdint>

#include "companion/companion.h"
#include "system/power_api.h"

namespace dusk {

class MessageCatalogue;

// Enables the shutdown privilege in the process token for the rest of the process's life.
// Answers 0, or the system error code of the step that failed; 1300 when the account
// does not hold the privilege.
std::uint32_t EnableShutdownPrivilege(PowerApi& api);

// Performs the operating-system call for the action code (task_model.h; 4 is stand by too,
// 5 a restart);
// any other code does nothing.
// Results of the power calls are not examined: a failed call leaves the program as it is.
void PerformPowerAction(PowerApi& api, std::int32_t actionCode);

// A forced restart, with the shutdown privilege enabled first: the call of the restart task
// and of "Restart Computer Now".
void PerformRestart(PowerApi& api);

// The immediate actions of the notification-area menu. Each asks over the main window first
// and acts only on Yes; the current task is left alone. Answers whether the call was made.
bool RestartComputerNow(PowerApi& api, Companion& companion, const MessageCatalogue& catalogue,
                        WindowHandle mainWindow);
bool ShutDownComputerNow(PowerApi& api, Companion& companion, const MessageCatalogue& catalogue,
                         WindowHandle mainWindow);

}  // namespace dusk
