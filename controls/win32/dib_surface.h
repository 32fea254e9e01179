#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/win32/unique_handle.h"
#include "controls/picture.h"

namespace dusk::win32 {

// A 32-bit top-down DIB section selected into a memory DC of its own: the off-screen surface of
// the double-buffered paints, and the bridge between a Picture and GDI. Pixels are 0xAARRGGBB.
class DibSurface {
public:
    // Black and transparent. A size below 1 x 1 or a failed allocation gives !Valid().
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool Valid() const { return pixels_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t* Pixels() { return pixels_; }
    const std::uint32_t* Pixels() const { return pixels_; }

    // The picture's colours at the top-left. With premultiply each pixel carries the picture's
    // alpha, the colours multiplied by it, as AlphaBlend wants them; otherwise it is opaque.
    void LoadPicture(const Picture& picture, bool premultiply);
    // The surface's colours into the picture's colour bytes over the area both cover; the
    // picture's alpha plane is left as it is.
    void StoreColorsInto(Picture& picture) const;
    // The whole surface as a picture without an alpha plane.
    Picture ToPicture() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::uint32_t* pixels_ = nullptr;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectionGuard> selection_;  // last member: deselects before the bitmap goes
};

}  // namespace dusk::win32
