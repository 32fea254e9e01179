#include "controls/popup_menu_palette.h"

namespace dusk {

const PopupMenuPalette* PopupMenuPaletteList::Slot(int slot) const {
    return ValidSlot(slot) ? &slots_[std::size_t(slot - kFirstSlot)] : nullptr;
}

PopupMenuPalette* PopupMenuPaletteList::Slot(int slot) {
    return ValidSlot(slot) ? &slots_[std::size_t(slot - kFirstSlot)] : nullptr;
}

PopupMenuPaletteList SkinMenuPalettes() {
    struct Row {
        Color border, bar, selected, selectedFont;
    };
    // Bar and its gradient end are equal in every slot, as are the selected outline and fill.
    constexpr Row kRows[] = {
        {0x9EDC9B, 0xE2F4E1, 0x83D27F, 0xFFFFFF},  // green
        {0x9B9BFF, 0xE1E1FF, 0x7F7FFF, 0x000000},  // red
        {0x9BCEFF, 0xE1F0FF, 0x7FC0FF, 0x000000},  // yellow
        {0xF4CC9B, 0xFCEFE1, 0xF1BB7F, 0x000000},  // blue
        {0xABABAB, 0xE6E6E6, 0x949494, 0x000000},  // black
    };
    PopupMenuPaletteList list;
    int slot = PopupMenuPaletteList::kFirstSlot;
    for (const Row& row : kRows) {
        PopupMenuPalette& palette = *list.Slot(slot++);
        palette.border = row.border;
        palette.bar = palette.barTo = row.bar;
        palette.background = 0xFFFFFF;
        palette.separator = 0xCDCDCD;
        palette.selectedBorder = palette.selected = row.selected;
        palette.selectedFont = row.selectedFont;
        palette.font = 0x333333;
    }
    return list;
}

}  // namespace dusk
