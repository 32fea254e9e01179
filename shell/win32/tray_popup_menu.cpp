#include "shell/win32/tray_popup_menu.h"

#include "shell/tray_menu.h"

namespace dusk::win32 {

TrayPopupMenu::TrayPopupMenu() : palettes_(SkinMenuPalettes()) {
    menu_.SetItems(TrayMenuItems());
    ApplyTrayMenuStyle(menu_.Style(), palettes_);
}

void TrayPopupMenu::SetCheckPictures(const std::array<Picture, 5>& checks) {
    palettes_ = TrayMenuPalettes(checks);
}

}  // namespace dusk::win32
