// Windows icon files (.ico) holding 32-bit images with an alpha channel and an AND mask.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

namespace dusk::pictures {

// Each image becomes one entry, stored as a bottom-up 32-bit DIB; sides up to 255 pixels.
void writeIco(const std::string& path, const std::vector<Image>& images);

}  // namespace dusk::pictures
