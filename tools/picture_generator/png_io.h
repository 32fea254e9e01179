// PNG files through libpng: 8-bit RGBA (colour type 6) or RGB (colour type 2).
#pragma once

#include <string>

#include "raster.h"

namespace dusk::pictures {

// Writes RGB when withAlpha is false; such a picture must be fully opaque. Throws on failure.
void writePng(const std::string& path, const Image& image, bool withAlpha);

// Reads any PNG as straight-alpha RGBA; sets hasAlpha to whether the file has an alpha plane.
Image readPng(const std::string& path, bool* hasAlpha = nullptr);

// The 8-bit channel value written for v.
unsigned char toByte(double v);

}  // namespace dusk::pictures
