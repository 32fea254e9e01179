#pragma once
#include "core/countdown_runner.h"
#include "shell/win32/countdown_window.h"

namespace dusk::win32 {

// The task controller's countdown on the countdown window, which reads the action code the
// controller has just set from the process-wide task record.
class CountdownWindowRunner : public CountdownRunner {
public:
    explicit CountdownWindowRunner(CountdownWindow& window) : window_(window) {}

    CountdownOutcome Run(std::int32_t /*actionCode*/) override {
        return window_.RunCountdown() ? CountdownOutcome::Cancelled : CountdownOutcome::RanOut;
    }

private:
    CountdownWindow& window_;
};

}  // namespace dusk::win32
