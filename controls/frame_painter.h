#pragma once
#include <cstdint>

#include "controls/canvas.h"
#include "controls/picture.h"

namespace dusk {

// One picture per skin.
struct SkinPictures {
    Picture blue, green, black, yellow, red;
};

// The picture of skin code 5 Red, 4 Yellow, 2 Green, 3 Black; any other code is Blue.
const Picture& SkinPicture(const SkinPictures& pictures, std::uint8_t skinCode);

// Paints a borderless window's frame from eight pieces of the skin's 20 x 20 frame picture onto
// a width x height window; the rest is left to the window's colour. Answers the picture used,
// which the window keeps.
const Picture& PaintFrame(Canvas& canvas, int width, int height, std::uint8_t skinCode,
                          const SkinPictures& frames);

// The main window's additions, after its frame: the skin's corner picture at the top right,
// the white content area and its grey top and left lines.
void PaintMainWindowExtras(Canvas& canvas, int width, int height, std::uint8_t skinCode,
                           const SkinPictures& corners);

}  // namespace dusk
