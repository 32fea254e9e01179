#pragma once
#include "system/scheduled_job.h"

namespace dusk::win32 {

// The user of the process token, as "DOMAIN\user" and as a SID text; empty texts when the token
// cannot be read.
UserAccount CurrentUserAccount();

}  // namespace dusk::win32
