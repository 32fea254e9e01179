#pragma once
#include "base/date_time.h"

namespace dusk {

// The local wall-clock time at millisecond resolution.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

}  // namespace dusk
