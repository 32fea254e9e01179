#pragma once
#include "base/clock.h"

namespace dusk::win32 {

// Local wall-clock time from the system (GetLocalTime).
class SystemClock : public Clock {
public:
    DateTime Now() const override;
};

}  // namespace dusk::win32
