#pragma once
#include <cstdint>
#include <string_view>

namespace dusk::win32 {

// The scheduler as a process: the "Schedule" service on the NT family, the scheduler window on
// "98" and "me". Both waits process pending window messages so the windows stay responsive.

bool IsSchedulerRunning(std::wstring_view osFamily);
// Shows the hourglass while it waits: up to about 4 seconds for the window, 20 for the service.
bool StartScheduler(std::wstring_view osFamily);

bool QueryServiceStartType(std::wstring_view serviceName, std::uint32_t& startType);
// Changes only the start type, with the service database locked meanwhile.
bool SetServiceStartType(std::wstring_view serviceName, std::uint32_t startType);

}  // namespace dusk::win32
