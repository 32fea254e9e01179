#pragma once
#include <functional>
#include <string>
#include <utility>

namespace dusk {

// A text label the logic writes. onStateChanged lets the on-screen label follow the model and
// runs only when the text actually changed.
class LabelModel {
public:
    LabelModel() = default;
    explicit LabelModel(std::wstring text) : text_(std::move(text)) {}
    LabelModel(const LabelModel&) = delete;
    LabelModel& operator=(const LabelModel&) = delete;

    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text) {
        if (text == text_) return;
        text_ = std::move(text);
        if (onStateChanged) onStateChanged();
    }

    std::function<void()> onStateChanged;

private:
    std::wstring text_;
};

}  // namespace dusk
