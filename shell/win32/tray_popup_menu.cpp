#include "shell/win32/tray_popup_menu.h"

#include <utility>

#include "shell/tray_menu.h"

namespace dusk::win32 {

TrayPopupMenu::TrayPopupMenu(std::vector<MenuItem> items)
    : items_(std::move(items)), palettes_(SkinMenuPalettes()) {
    ApplyTrayMenuStyle(style_, palettes_);
}

void TrayPopupMenu::SetPaletteSlot(int slot) {
    style_.SetPaletteSlot(slot);
    if (menu_) menu_->Style().SetPaletteSlot(slot);
}

OwnerDrawnPopupMenu& TrayPopupMenu::Menu() {
    if (!menu_) {
        menu_.emplace();
        menu_->SetItems(items_);
        menu_->Style() = style_;
    }
    return *menu_;
}

void TrayPopupMenu::SetCheckPictures(const std::array<Picture, 5>& checks) {
    palettes_ = TrayMenuPalettes(checks);
}

}  // namespace dusk::win32
