#include "controls/picture.h"

#include <algorithm>
#include <cstring>

namespace dusk {

Picture::Picture(int width, int height, bool withAlpha) {
    if (width < 1 || height < 1) return;
    width_ = width;
    height_ = height;
    const std::size_t pixels = std::size_t(width) * std::size_t(height);
    pixels_ = std::make_shared<Pixels>();
    pixels_->color.assign(pixels * 3, 0);
    if (withAlpha) pixels_->alpha.assign(pixels, 255);
}

Picture::Pixels& Picture::Writable() {
    if (pixels_.use_count() > 1) pixels_ = std::make_shared<Pixels>(*pixels_);
    return *pixels_;
}

bool Picture::operator==(const Picture& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    if (pixels_ == other.pixels_) return true;
    return ColorBytes().size() == other.ColorBytes().size() &&
           std::equal(ColorBytes().begin(), ColorBytes().end(), other.ColorBytes().begin()) &&
           AlphaBytes().size() == other.AlphaBytes().size() &&
           std::equal(AlphaBytes().begin(), AlphaBytes().end(), other.AlphaBytes().begin());
}

Color Picture::ColorAt(int x, int y) const {
    const std::uint8_t* p = Row(y) + 3 * x;
    return Color(p[2]) | Color(p[1]) << 8 | Color(p[0]) << 16;
}

void Picture::SetColorAt(int x, int y, Color color) {
    std::uint8_t* p = Row(y) + 3 * x;
    p[0] = std::uint8_t(color >> 16);
    p[1] = std::uint8_t(color >> 8);
    p[2] = std::uint8_t(color);
}

std::uint8_t Picture::AlphaAt(int x, int y) const {
    return HasAlpha() ? AlphaRow(y)[x] : std::uint8_t(255);
}

void Picture::SetAlphaAt(int x, int y, std::uint8_t alpha) {
    if (HasAlpha()) AlphaRow(y)[x] = alpha;
}

void Picture::Resize(int width, int height) {
    Picture resized(width, height, HasAlpha());
    const int keepWidth = std::min(width_, resized.width_);
    const int keepHeight = std::min(height_, resized.height_);
    for (int y = 0; y < keepHeight; ++y) {
        std::memcpy(resized.Row(y), Row(y), std::size_t(keepWidth) * 3);
        if (HasAlpha()) std::memcpy(resized.AlphaRow(y), AlphaRow(y), std::size_t(keepWidth));
    }
    *this = std::move(resized);
}

}  // namespace dusk
