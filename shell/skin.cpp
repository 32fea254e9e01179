#include "shell/skin.h"

namespace dusk {

namespace {
constexpr Skin kBlue{ButtonColor::Blue, 0xD58B3A, 4, 3, 0xF3D8B1, 0xFFF5DF, 0xCA8944};
constexpr Skin kGreen{ButtonColor::Green, 0x3FAA3A, 1, 0, 0xAEF89C, 0xDDEDDD, 0x009900};
constexpr Skin kBlack{ButtonColor::Black, 0x252525, 5, 4, 0xC1C1C1, 0xD9D9D9, 0x535353};
constexpr Skin kYellow{ButtonColor::Yellow, 0x3A89E7, 3, 2, 0xA2D0FF, 0xDAEBF3, 0x0177FF};
constexpr Skin kRed{ButtonColor::Red, 0x3A3ACC, 2, 1, 0xB4BEFC, 0xE6E6F1, 0x3B3AE8};

constexpr Color SystemColor(int index) { return 0xFF000000u | Color(index); }
// COLOR_ACTIVECAPTION, COLOR_WINDOWTEXT, COLOR_WINDOW
constexpr Color kCaption = SystemColor(2), kWindowText = SystemColor(8), kWindow = SystemColor(5);

constexpr Skin WithSystemColors(const Skin& skin) {
    return {skin.button, kCaption, skin.menuPaletteSlot, skin.boxTitlePicture, kWindowText,
            kWindow,     kWindow};
}

constexpr Skin kSystemBlue = WithSystemColors(kBlue), kSystemGreen = WithSystemColors(kGreen),
               kSystemBlack = WithSystemColors(kBlack), kSystemYellow = WithSystemColors(kYellow),
               kSystemRed = WithSystemColors(kRed);

bool g_systemColors = false;
}  // namespace

void SetSystemColorsInForce(bool inForce) { g_systemColors = inForce; }

bool SystemColorsInForce() { return g_systemColors; }

const Skin& SkinFor(std::uint8_t skinCode) {
    const bool system = g_systemColors;
    switch (skinCode) {
        case 2:
            return system ? kSystemGreen : kGreen;
        case 3:
            return system ? kSystemBlack : kBlack;
        case 4:
            return system ? kSystemYellow : kYellow;
        case 5:
            return system ? kSystemRed : kRed;
        default:
            return system ? kSystemBlue : kBlue;
    }
}

}  // namespace dusk
