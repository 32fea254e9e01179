#include "shell/skin_selection.h"

#include <utility>

namespace dusk {

namespace {
constexpr std::uint8_t kStartupTestOrder[] = {1, 5, 3, 2, 4};

template <typename Target, typename... Args>
void Call(const Target& target, Args&&... args) {
    if (target) target(std::forward<Args>(args)...);
}
}  // namespace

int MenuPaletteSlotFor(ButtonColor color) {
    switch (color) {
        case ButtonColor::Green:
            return 1;
        case ButtonColor::Black:
            return 5;
        case ButtonColor::Yellow:
            return 3;
        case ButtonColor::Red:
            return 2;
        default:
            return 4;
    }
}

SkinSelector::SkinSelector(std::uint8_t& skinCode, Companion& companion, SkinTargets targets)
    : skinCode_(skinCode), companion_(companion), targets_(std::move(targets)) {}

void SkinSelector::SelectSkin(std::uint8_t code) {
    if (skinCode_ == code) return;
    skinCode_ = code;
    const Skin& skin = SkinFor(code);
    ApplySkin(skin.button, skin.window);
}

void SkinSelector::ApplyStartupSkin() {
    for (const std::uint8_t code : kStartupTestOrder) {
        if (skinCode_ != code) continue;
        skinCode_ = 0;  // so that the selection applies it in full
        SelectSkin(code);
        return;
    }
}

void SkinSelector::ApplySkin(ButtonColor button, Color window) {
    const Skin& row = SkinFor(skinCode_);
    Call(targets_.mainWindowColor, window);
    companion_.UseSkinColor(static_cast<std::uint8_t>(button));
    Call(targets_.mainWindowButtons, button);
    Call(targets_.taskBoxes, row.boxTitlePicture, row.boxOutline);
    Call(targets_.menuPaletteSlot, MenuPaletteSlotFor(button));
    Call(targets_.countdownWindow, window, button, row.innerPanel);
    Call(targets_.noticeWindow, window, button, row.innerPanel);
    Call(targets_.calendar, row.calendar, kDesktopSystemColor);
    Call(targets_.repaintMainWindow);
}

}  // namespace dusk
