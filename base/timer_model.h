#pragma once
#include <cstdint>
#include <functional>

namespace dusk {

// A message-loop timer: ticks arrive on the GUI thread every interval while enabled. onTimer is
// the timer's event handler; onStateChanged lets the Windows binding follow the model
// (SetTimer/KillTimer) and runs only when something actually changed. The binding calls Tick
// on WM_TIMER; tests call it themselves.
class TimerModel {
public:
    explicit TimerModel(std::uint32_t intervalMs) : interval_(intervalMs) {}
    TimerModel(const TimerModel&) = delete;
    TimerModel& operator=(const TimerModel&) = delete;

    std::uint32_t Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }

    // A changed interval restarts the period of a running timer, as SetTimer does.
    void SetInterval(std::uint32_t intervalMs) {
        if (intervalMs == interval_) return;
        interval_ = intervalMs;
        Changed();
    }

    // Enabling a stopped timer starts a fresh period; enabling a running one changes nothing.
    void SetEnabled(bool enabled) {
        if (enabled == enabled_) return;
        enabled_ = enabled;
        Changed();
    }

    // A tick that was already queued when the timer stopped is dropped.
    void Tick() {
        if (enabled_ && onTimer) onTimer();
    }

    std::function<void()> onTimer;
    std::function<void()> onStateChanged;

private:
    void Changed() {
        if (onStateChanged) onStateChanged();
    }

    std::uint32_t interval_;
    bool enabled_ = false;
};

}  // namespace dusk
