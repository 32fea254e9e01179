#pragma once
#include <cstdint>
#include <functional>

namespace dusk {

// A setting picked from a short list of values (the early warning's lead time). Choose is the
// user's pick and runs onChange; SetValue is the program's. onStateChanged lets the on-screen
// choice follow either. Nothing runs unless the value actually changed.
class ChoiceModel {
public:
    explicit ChoiceModel(std::int32_t value) : value_(value) {}
    ChoiceModel(const ChoiceModel&) = delete;
    ChoiceModel& operator=(const ChoiceModel&) = delete;

    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value) {
        if (value == value_) return;
        value_ = value;
        if (onStateChanged) onStateChanged();
    }
    void Choose(std::int32_t value) {
        if (value == value_) return;
        SetValue(value);
        if (onChange) onChange();
    }

    std::function<void()> onChange;
    std::function<void()> onStateChanged;

private:
    std::int32_t value_;
};

}  // namespace dusk
