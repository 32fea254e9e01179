#pragma once
#include <cstdint>

#include "controls/XImageButtonPicList.h"
#include "controls/geometry.h"

namespace dusk::win32 {

// The colours a skin gives the countdown and notice windows.
struct SkinColours {
    TButtonColor button;
    Color window;      // form colour
    Color innerPanel;  // the panCenter panels
};

// By skin code 1 Blue, 2 Green, 3 Black, 4 Yellow, 5 Red; any other code looks Blue.
inline SkinColours SkinColoursFor(std::uint8_t skinCode) {
    switch (skinCode) {
        case 2:
            return {fGreen, 0x3FAA3A, 0xDDEDDD};
        case 3:
            return {fBlack, 0x252525, 0xD9D9D9};
        case 4:
            return {fYellow, 0x3A89E7, 0xDAEBF3};
        case 5:
            return {fRed, 0x3A3ACC, 0xE6E6F1};
        default:
            return {fBlue, 0xD58B3A, 0xFFF5DF};
    }
}

}  // namespace dusk::win32
