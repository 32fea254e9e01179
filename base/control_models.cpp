#include "base/control_models.h"

#include <algorithm>
#include <optional>

namespace dusk {

namespace {

void Notify(const std::function<void()>& handler) {
    if (handler) handler();
}

// The field's text as a position, when it is a plain number within range.
std::optional<int> FieldPosition(const std::wstring& text, int minimum, int maximum) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

}  // namespace

void DateTimePickerModel::SetValue(DateTime value) {
    if (value == value_) return;
    value_ = value;
    Notify(onStateChanged);
    Notify(onChange);
}

void DateTimePickerModel::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(onStateChanged);
}

void DigitFieldModel::SetText(std::wstring text) {
    if (text == text_) return;
    text_ = std::move(text);
    Notify(onStateChanged);
    Notify(onChange);
}

void DigitFieldModel::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(onStateChanged);
}

UpDownModel::UpDownModel(DigitFieldModel& field, int minimum, int maximum, int position)
    : field_(field), minimum_(minimum), maximum_(maximum), position_(position) {}

void UpDownModel::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(onStateChanged);
}

void UpDownModel::Step(int delta) {
    if (!enabled_) return;
    // The field may have been set by the program since the last step; count from what it shows.
    if (const auto shown = FieldPosition(field_.Text(), minimum_, maximum_)) position_ = *shown;
    const int moved = std::clamp(position_ + delta, minimum_, maximum_);
    if (moved != position_) {
        position_ = moved;
        Notify(onStateChanged);
    }
    field_.SetText(std::to_wstring(position_));
}

}  // namespace dusk
