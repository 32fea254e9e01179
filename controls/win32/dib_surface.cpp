#include "controls/win32/dib_surface.h"

#include <algorithm>

namespace dusk::win32 {

DibSurface::DibSurface(int width, int height) {
    if (width < 1 || height < 1) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows, like a Picture
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_.Reset(::CreateCompatibleDC(nullptr));
    if (!dc_) return;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || bits == nullptr) return;
    selection_.emplace(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
    pixels_ = static_cast<std::uint32_t*>(bits);
    std::fill_n(pixels_, std::size_t(width) * std::size_t(height), 0u);
}

void DibSurface::LoadPicture(const Picture& picture, bool premultiply) {
    if (!Valid()) return;
    ::GdiFlush();
    const int width = std::min(width_, picture.Width());
    const int height = std::min(height_, picture.Height());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* bgr = picture.Row(y);
        const std::uint8_t* alpha = picture.AlphaRow(y);
        std::uint32_t* out = pixels_ + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < width; ++x, bgr += 3) {
            std::uint32_t a = 255;
            std::uint32_t b = bgr[0], g = bgr[1], r = bgr[2];
            if (premultiply && alpha != nullptr) {
                a = alpha[x];
                // Rounded, so an opaque pixel keeps its colour exactly.
                b = (b * a + 127) / 255;
                g = (g * a + 127) / 255;
                r = (r * a + 127) / 255;
            }
            out[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
}

void DibSurface::StoreColorsInto(Picture& picture) const {
    if (!Valid()) return;
    ::GdiFlush();
    const int width = std::min(width_, picture.Width());
    const int height = std::min(height_, picture.Height());
    for (int y = 0; y < height; ++y) {
        std::uint8_t* bgr = picture.Row(y);
        const std::uint32_t* in = pixels_ + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < width; ++x, bgr += 3) {
            bgr[0] = std::uint8_t(in[x]);
            bgr[1] = std::uint8_t(in[x] >> 8);
            bgr[2] = std::uint8_t(in[x] >> 16);
        }
    }
}

Picture DibSurface::ToPicture() const {
    Picture picture(width_, height_, false);
    StoreColorsInto(picture);
    return picture;
}

}  // namespace dusk::win32
