#pragma once
#include <span>

#include "base/geometry.h"
#include "controls/canvas.h"

namespace dusk {

// From design pixels (the layout's sizes, those of a 96 DPI display) to the pixels of a display
// of another DPI. Every length rounds to the nearest pixel, halves away from zero, as MulDiv does;
// a rectangle scales its edges, so rectangles that touch at 96 DPI touch at every DPI.
class DisplayScale {
public:
    static constexpr int kDesignDpi = 96;

    constexpr DisplayScale() = default;
    // A DPI below 1 (a failed query) counts as the design DPI.
    explicit constexpr DisplayScale(int dpi) : dpi_(dpi < 1 ? kDesignDpi : dpi) {}

    int Dpi() const { return dpi_; }
    bool IsDesign() const { return dpi_ == kDesignDpi; }
    int Percent() const { return Length(100); }

    int Length(int design) const;
    Point Of(Point design) const { return {Length(design.x), Length(design.y)}; }
    Size Of(Size design) const { return {Length(design.width), Length(design.height)}; }
    Rect Of(const Rect& design) const;
    // The font's character height scaled; everything else kept.
    Font Of(const Font& design) const;

    // Back from display pixels, as a pointer position arrives.
    int ToDesign(int pixels) const;
    Point ToDesign(Point pixels) const { return {ToDesign(pixels.x), ToDesign(pixels.y)}; }
    Size ToDesign(Size pixels) const { return {ToDesign(pixels.width), ToDesign(pixels.height)}; }

    bool operator==(const DisplayScale&) const = default;

private:
    int dpi_ = kDesignDpi;
};

// Of the picture sets drawn for `percents` (display scales, ascending), the one to show at
// `scale`: the nearest, the larger on a tie, since shrinking keeps the drawing sharp where
// enlarging blurs it.
int NearestPictureSet(const DisplayScale& scale, std::span<const int> percents);

}  // namespace dusk
