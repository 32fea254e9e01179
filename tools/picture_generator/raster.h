// A small raster: straight-alpha pixels, anti-aliased shape fills and compositing.
#pragma once

#include <functional>
#include <vector>

#include "color.h"
#include "shapes.h"

namespace dusk::pictures {

// Colour at a point; lets fills carry gradients.
using Paint = std::function<Color(Point)>;

Paint solid(Color c);
// Linear from c0 at y0 to c1 at y1, clamped beyond.
Paint vertical(double y0, Color c0, double y1, Color c1);
struct Stop {
    double y;
    Color color;
};
// Piecewise linear through stops sorted by y.
Paint vertical(std::vector<Stop> stops);
// From c0 at the centre to c1 at the radius, clamped beyond.
Paint radial(Point centre, double radius, Color c0, Color c1);

// Pixels per design pixel of every Image made while one is alive (1 otherwise): shapes, offsets
// and blurs are given in design pixels and drawn at that density, so one drawing gives every set.
class DrawingScale {
public:
    explicit DrawingScale(double scale);
    ~DrawingScale();
    DrawingScale(const DrawingScale&) = delete;
    DrawingScale& operator=(const DrawingScale&) = delete;

private:
    double previous_;
};

class Image {
public:
    // width x height design pixels, at the drawing scale in force.
    Image(int width, int height, Color fill = kClear);

    int width() const { return width_; }
    int height() const { return height_; }
    int designWidth() const { return designWidth_; }
    int designHeight() const { return designHeight_; }
    double scale() const { return scale_; }
    Color& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Color& at(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }

    // Source-over of c with its alpha scaled by coverage (0..1).
    void blend(int x, int y, Color c, double coverage);

private:
    int designWidth_;
    int designHeight_;
    double scale_;
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// Anti-aliased fill; opacity scales the paint's alpha.
void fill(Image& image, const Shape& shape, const Paint& paint, double opacity = 1);
void fill(Image& image, const Shape& shape, Color color, double opacity = 1);

// Fills the shape's coverage blurred by a Gaussian of the given sigma, offset by (dx, dy).
void shadow(Image& image, const Shape& shape, double sigma, double dx, double dy, Color color);

// Source-over of src (of the same scale) at (dx, dy) design pixels.
void composite(Image& dst, const Image& src, int dx, int dy, double opacity = 1);

// Multiplies every pixel's alpha by mask(point), for fading a picture out.
void fadeAlpha(Image& image, const std::function<double(Point)>& mask);

// Copies the rectangle (sx, sy, sw, sh) of src stretched onto (dx, dy, dw, dh), nearest pixel;
// this is how the program stretches its bitmaps. In pixels, not design pixels.
void stretchCopy(Image& dst, int dx, int dy, int dw, int dh, const Image& src, int sx, int sy,
                 int sw, int sh);

}  // namespace dusk::pictures
