#pragma once
#include <cstdint>

namespace dusk {

// Performs the power action of an action code (task_model.h); codes without an action do
// nothing.
class PowerAction {
public:
    virtual ~PowerAction() = default;
    virtual void Perform(std::int32_t actionCode) = 0;
};

}  // namespace dusk
