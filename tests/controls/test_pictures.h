#pragma once
#include "controls/picture.h"

namespace dusk::test {

// A picture of one colour; alpha < 0 means no alpha plane.
inline Picture Solid(int width, int height, Color color, int alpha = 255) {
    Picture picture(width, height, alpha >= 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetColorAt(x, y, color);
            if (alpha >= 0) picture.SetAlphaAt(x, y, std::uint8_t(alpha));
        }
    }
    return picture;
}

// Column x carries x + base in its red byte and in its alpha.
inline Picture Columns(int width, int height, int base = 0) {
    Picture picture(width, height, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetColorAt(x, y, Color(x + base) & 0xFF);
            picture.SetAlphaAt(x, y, std::uint8_t(x + base));
        }
    }
    return picture;
}

}  // namespace dusk::test
