// Shared touches of the look: light falls from the top left.
#pragma once

#include "raster.h"

namespace dusk::pictures {

// How much the outline near p faces the light: 1 facing it, -1 turned away.
double facing(const Shape& shape, Point p);

// A one-pixel rim `inset` pixels inside the outline, lightened where it faces the light and
// darkened where it does not.
void bevel(Image& image, const Shape& shape, const Paint& base, double light, double shade,
           double inset = 1);

}  // namespace dusk::pictures
