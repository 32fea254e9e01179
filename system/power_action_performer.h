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
    void Perform(std::int32_t actionCode) override { PerformPowerAction(api_, actionCode); }

private:
    PowerApi& api_;
};

}  // namespace dusk
