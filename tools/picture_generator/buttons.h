// Button faces shared by the button picture lists.
#pragma once

#include <string_view>

#include "raster.h"
#include "skins.h"

namespace dusk::pictures {

enum class ButtonState { Normal, MouseOn, MouseDown, Disabled };

std::string_view stateName(ButtonState state);

// A rounded push button that carries a caption: light faces for dark captions, dark faces on
// a dark skin. The face is uniform across its middle, so it stretches horizontally.
Image pushButton(const Skin& skin, ButtonState state, int width, int height, double radius);

// A tab with rounded top corners; the disabled look marks the active tab and merges with the
// white page below it.
Image tabButton(const Skin& skin, ButtonState state, int width, int height);

// A window-chrome button of the strip hanging from the top border; `radii` rounds the strip's
// outer corners. A danger button turns red under the pointer.
Image chromeButton(const Skin& skin, ButtonState state, int width, int height, Radii radii,
                   bool danger, bool lastInStrip);

}  // namespace dusk::pictures
