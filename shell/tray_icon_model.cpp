#include "shell/tray_icon_model.h"

#include <algorithm>
#include <utility>

namespace dusk {

TrayMouseAction TrayMouseActionFor(std::uint32_t mouseEvent, bool hasMenu) {
    switch (mouseEvent) {
        case kTrayLeftButtonDown:
            return TrayMouseAction::TakeForeground;
        case kTrayLeftDoubleClick:
            return TrayMouseAction::RestoreMainWindow;
        case kTrayRightButtonDown:
            return hasMenu ? TrayMouseAction::OpenMenu : TrayMouseAction::None;
        default:
            return TrayMouseAction::None;
    }
}

TrayIconModel::TrayIconModel(int iconCount, std::wstring hint)
    : iconCount_(std::max(iconCount, 0)), hint_(std::move(hint)) {}

std::wstring TrayIconModel::Tip() const { return hint_.substr(0, kTrayTipMaxLength); }

int TrayIconModel::Clamped(int index) const {
    if (iconCount_ == 0) return 0;
    return std::clamp(index, 0, iconCount_ - 1);
}

void TrayIconModel::SetIconIndex(int index) {
    iconIndex_ = Clamped(index);
    Changed();
}

void TrayIconModel::SetHint(std::wstring hint) {
    hint_ = std::move(hint);
    Changed();
}

void TrayIconModel::Show(int iconIndex, std::wstring hint) {
    iconIndex_ = Clamped(iconIndex);
    hint_ = std::move(hint);
    Changed();
}

void TrayIconModel::Follow(TaskIndicator& indicator) {
    indicator.onChanged = [this, &indicator] { Show(indicator.IconIndex(), indicator.Hint()); };
}

void TrayIconModel::Changed() {
    if (onChanged) onChanged();
}

}  // namespace dusk
