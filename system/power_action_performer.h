#pragma once
#include <cstdint>

#include "core/power_action.h"
#include "system/power_actions.h"
#include "system/power_api.h"

namespace dusk {

// The task's power action through the operating system's calls.
class PowerActionPerformer : public PowerAction {
public:
    explicit PowerActionPerformer(PowerApi& api) : api_(api) {}
    std::uint32_t Perform(TaskAction action) override { return PerformPowerAction(api_, action); }

private:
    PowerApi& api_;
};

}  // namespace dusk
