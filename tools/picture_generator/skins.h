// The five colour skins in the order the pictures are drawn.
#pragma once

#include <array>
#include <string_view>

#include "color.h"

namespace dusk::pictures {

struct Skin {
    std::string_view name;  // as in picture stems: Blue, Green, Black, Yellow, Red
    Color window;           // form colour of every window
    Color panel;            // pale inner panel of the countdown and notice windows
    Color caption;          // standard caption colour of the skin's buttons
    bool dark;              // white captions on dark faces instead of dark ones on light faces
};

inline constexpr std::array<Skin, 5> kSkins{{
    {"Blue", fromBgr(0xD58B3A), fromBgr(0xFFF5DF), fromBgr(0x9D4700), false},
    {"Green", fromBgr(0x3FAA3A), fromBgr(0xDDEDDD), fromBgr(0x116D0D), false},
    {"Black", fromBgr(0x252525), fromBgr(0xD9D9D9), fromBgr(0xFEFEFE), true},
    {"Yellow", fromBgr(0x3A89E7), fromBgr(0xDAEBF3), fromBgr(0x002D7F), false},
    {"Red", fromBgr(0x3A3ACC), fromBgr(0xE6E6F1), fromBgr(0x0000B4), false},
}};

// The orange of the countdown caption, the program's accent.
inline constexpr Color kAccent = fromBgr(0x4080FF);

}  // namespace dusk::pictures
