#pragma once
#include <functional>

namespace dusk {

// A push button's state as the logic sets it. The window raises the button's clicks through
// Click, which reaches onClick while the button is shown and enabled; onStateChanged lets the
// on-screen button follow the model and runs only when something actually changed.
class ButtonModel {
public:
    explicit ButtonModel(bool visible) : visible_(visible) {}
    ButtonModel(const ButtonModel&) = delete;
    ButtonModel& operator=(const ButtonModel&) = delete;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Change(visible_, visible); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Change(enabled_, enabled); }

    void Click() {
        if (visible_ && enabled_ && onClick) onClick();
    }

    std::function<void()> onClick;
    std::function<void()> onStateChanged;

private:
    void Change(bool& field, bool value) {
        if (field == value) return;
        field = value;
        if (onStateChanged) onStateChanged();
    }

    bool visible_;
    bool enabled_ = true;
};

}  // namespace dusk
