#pragma once
#include <functional>
#include <string>
#include <utility>

namespace dusk {

constexpr int kIndicatorNoTask = 0;
constexpr int kIndicatorTaskSet = 1;
constexpr int kIndicatorTaskCancelled = 2;

// What the notification-area icon shows of the task: an icon index and a hint. onChanged runs
// only when something actually changed.
class TaskIndicator {
public:
    int IconIndex() const { return iconIndex_; }
    const std::wstring& Hint() const { return hint_; }

    void Set(int iconIndex, std::wstring hint) {
        if (iconIndex == iconIndex_ && hint == hint_) return;
        iconIndex_ = iconIndex;
        hint_ = std::move(hint);
        if (onChanged) onChanged();
    }
    void SetIconIndex(int iconIndex) { Set(iconIndex, hint_); }
    void SetHint(std::wstring hint) { Set(iconIndex_, std::move(hint)); }

    std::function<void()> onChanged;

private:
    int iconIndex_ = kIndicatorNoTask;
    std::wstring hint_;
};

}  // namespace dusk
