#include "shell/win32/tray_popup_menu.h"

#include <utility>

#include "shell/tray_menu.h"

namespace dusk::win32 {

TrayPopupMenu::TrayPopupMenu(std::vector<MenuItem> items) : palettes_(SkinMenuPalettes()) {
    menu_.SetItems(std::move(items));
    ApplyTrayMenuStyle(menu_.Style(), palettes_);
}

void TrayPopupMenu::SetCheckPictures(const std::array<Picture, 5>& checks) {
    palettes_ = TrayMenuPalettes(checks);
}

}  // namespace dusk::win32
