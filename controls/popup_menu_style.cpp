#include "controls/popup_menu_style.h"

namespace dusk {

void PopupMenuStyle::SetPaletteSlot(int slot) {
    if (PopupMenuPaletteList::ValidSlot(slot)) paletteSlot_ = slot;
}

const PopupMenuPalette* PopupMenuStyle::Palette() const {
    return palettes != nullptr ? palettes->Slot(paletteSlot_) : nullptr;
}

}  // namespace dusk
