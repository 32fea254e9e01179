#pragma once
#include <array>
#include <optional>
#include <vector>

#include "controls/picture.h"
#include "controls/popup_menu_palette.h"
#include "controls/win32/owner_drawn_popup_menu.h"

namespace dusk::win32 {

// The program's owner-drawn popup menu (the notification area's, the countdown's Postpone) with
// its sizes and palettes, in the design look's palette slot 1 until a skin chooses another. The
// menu and its window are made when the menu is first opened.
class TrayPopupMenu {
public:
    explicit TrayPopupMenu(std::vector<MenuItem> items);

    // The palettes' check pictures (slots 1 to 5), once the resource window has loaded them.
    void SetCheckPictures(const std::array<Picture, 5>& checks);
    void SetPaletteSlot(int slot);

    OwnerDrawnPopupMenu& Menu();

private:
    std::vector<MenuItem> items_;
    PopupMenuPaletteList palettes_;
    PopupMenuStyle style_;  // what the menu is made with
    std::optional<OwnerDrawnPopupMenu> menu_;
};

}  // namespace dusk::win32
