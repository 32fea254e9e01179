#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "controls/picture.h"
#include "controls/popup_menu_palette.h"

namespace dusk {

// An item picture in its enabled and disabled renderings, drawn centred in the side bar.
struct MenuImage {
    Picture enabled;
    Picture disabled;
};

// The settings an owner-drawn popup menu is measured and painted with. Every colour comes from
// the palette slot of `palettes`.
class PopupMenuStyle {
public:
    int itemHeight = 21;       // the least height of an item
    int separatorHeight = 21;  // the height of a separator
    int barWidth = 0;          // the side bar (image column)
    // The caption font when useSystemFont is false.
    std::wstring fontName = L"MS Sans Serif";
    int fontSize = 8;  // points
    std::uint8_t fontCharset = 1;
    bool useSystemFont = true;
    // Right-to-left reading; it takes effect only on a system with a Middle-Eastern locale.
    bool rightToLeftReading = false;
    const PopupMenuPaletteList* palettes = nullptr;  // not owned; without it items are blank
    const std::vector<MenuImage>* images = nullptr;  // not owned

    // 1 to 5; any other value is ignored and the slot stays.
    int PaletteSlot() const { return paletteSlot_; }
    void SetPaletteSlot(int slot);
    // The palette of the slot; nullptr without a list.
    const PopupMenuPalette* Palette() const;

private:
    int paletteSlot_ = 1;
};

}  // namespace dusk
