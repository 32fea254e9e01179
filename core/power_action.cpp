#include "core/power_action.h"

namespace dusk {

std::wstring PowerActionLogLine(TaskAction action, std::uint32_t answer) {
    const std::wstring keyword(ActionKeyword(action));
    if (answer == 0) return L"action performed: " + keyword + L", the system answered 0";
    return L"action failed: " + keyword + L", the system answered error " + std::to_wstring(answer);
}

}  // namespace dusk
