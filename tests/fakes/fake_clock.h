#pragma once
#include <cstdint>

#include "base/clock.h"

namespace dusk::test {

// A clock that stands still until the test moves it.
class FakeClock : public Clock {
public:
    explicit FakeClock(DateTime now) : now_(now) {}
    DateTime Now() const override { return now_; }
    void Set(DateTime now) { now_ = now; }
    void Advance(std::int64_t ms) { now_ = now_.Plus(ms); }

private:
    DateTime now_;
};

}  // namespace dusk::test
