#pragma once
#include <array>

#include "base/geometry.h"
#include "controls/picture.h"

namespace dusk {

// The colours and check picture an owner-drawn popup menu is painted with.
struct PopupMenuPalette {
    Picture check;            // drawn at the right of a checked item
    Color border = 0x000000;  // the menu window's outline
    Color bar = 0x000000;     // side bar, left edge
    Color barTo = 0x000000;   // side bar, right edge
    Color background = 0xFFFFFF;
    Color separator = 0x000000;
    Color selectedBorder = 0x000000;
    Color selected = 0x000000;  // fill of the selected item
    Color selectedFont = 0x000000;
    Color font = 0x000000;
    bool operator==(const PopupMenuPalette&) const = default;
};

// Five palettes, slots 1 to 5. A new list has white backgrounds and black everywhere else.
class PopupMenuPaletteList {
public:
    static constexpr int kFirstSlot = 1;
    static constexpr int kLastSlot = 5;
    static bool ValidSlot(int slot) { return slot >= kFirstSlot && slot <= kLastSlot; }

    // nullptr for a slot outside 1 to 5.
    const PopupMenuPalette* Slot(int slot) const;
    PopupMenuPalette* Slot(int slot);

private:
    std::array<PopupMenuPalette, kLastSlot> slots_;
};

// The program's list: 1 green, 2 red, 3 yellow, 4 blue, 5 black. The check pictures are left
// empty; they come with the program's pictures.
PopupMenuPaletteList SkinMenuPalettes();

}  // namespace dusk
