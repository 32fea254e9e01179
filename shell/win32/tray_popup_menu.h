#pragma once
#include <array>

#include "controls/picture.h"
#include "controls/popup_menu_palette.h"
#include "controls/win32/owner_drawn_popup_menu.h"

namespace dusk::win32 {

// The notification-area menu: the owner-drawn popup menu with the program's items, sizes and
// palettes, in the design look's palette slot 1 until a skin chooses another.
class TrayPopupMenu {
public:
    TrayPopupMenu();

    // The palettes' check pictures (slots 1 to 5), once the resource window has loaded them.
    void SetCheckPictures(const std::array<Picture, 5>& checks);
    void SetPaletteSlot(int slot) { menu_.Style().SetPaletteSlot(slot); }

    OwnerDrawnPopupMenu& Menu() { return menu_; }

private:
    PopupMenuPaletteList palettes_;
    OwnerDrawnPopupMenu menu_;
};

}  // namespace dusk::win32
