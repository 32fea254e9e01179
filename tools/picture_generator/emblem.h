// The program's emblem: a power symbol on a disc of dusk sky with a crescent moon.
#pragma once

#include "raster.h"

namespace dusk::pictures {

struct EmblemStyle {
    double glow = 0;         // strength of an orange halo around the disc, 0..1
    double symbolLight = 1;  // 1 white symbol, lower values fade it towards the sky
    bool moon = true;        // too small to show below about 20 pixels
};

// Draws the emblem with its disc of the given radius centred on `centre`.
void drawEmblem(Image& image, Point centre, double radius, const EmblemStyle& style);

}  // namespace dusk::pictures
