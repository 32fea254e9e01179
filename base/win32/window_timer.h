#pragma once
#include <windows.h>

#include "base/timer_model.h"

namespace dusk::win32 {

// Runs a timer model as a window timer: SetTimer while the model is enabled, KillTimer while
// it is not, and WM_TIMER with the id ticks the model.
class WindowTimer {
public:
    WindowTimer(TimerModel& model, UINT_PTR id) : model_(model), id_(id) {
        model_.onStateChanged = [this] { Sync(); };
    }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() {
        model_.onStateChanged = nullptr;
        if (window_ != nullptr) ::KillTimer(window_, id_);
    }

    // Once the window exists; a model enabled before starts now.
    void Attach(HWND window) {
        window_ = window;
        Sync();
    }

    // True when the WM_TIMER id was this timer's.
    bool Tick(UINT_PTR id) {
        if (id != id_) return false;
        model_.Tick();
        return true;
    }

private:
    void Sync() {
        if (window_ == nullptr) return;
        // SetTimer on a running id restarts its period, as a changed interval should.
        if (model_.Enabled()) {
            ::SetTimer(window_, id_, model_.Interval(), nullptr);
        } else {
            ::KillTimer(window_, id_);
        }
    }

    TimerModel& model_;
    UINT_PTR id_;
    HWND window_ = nullptr;
};

}  // namespace dusk::win32
