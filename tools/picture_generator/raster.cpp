#include "raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dusk::pictures {

Paint solid(Color c) {
    return [c](Point) { return c; };
}

Paint vertical(double y0, Color c0, double y1, Color c1) { return vertical({{y0, c0}, {y1, c1}}); }

Paint vertical(std::vector<Stop> stops) {
    return [stops = std::move(stops)](Point p) {
        if (p.y <= stops.front().y) return stops.front().color;
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (p.y <= stops[i].y) {
                const double t = (p.y - stops[i - 1].y) / (stops[i].y - stops[i - 1].y);
                return mix(stops[i - 1].color, stops[i].color, t);
            }
        }
        return stops.back().color;
    };
}

Paint radial(Point centre, double radius, Color c0, Color c1) {
    return [=](Point p) {
        const double t = clamp01(std::hypot(p.x - centre.x, p.y - centre.y) / radius);
        return mix(c0, c1, t);
    };
}

namespace {
double g_scale = 1;

// Whole pixels only: a half pixel at the edge would lie outside what the shapes cover.
int scaled(int design, double scale) { return static_cast<int>(design * scale); }

Point designPoint(const Image& image, int x, int y) {
    return {(x + 0.5) / image.scale(), (y + 0.5) / image.scale()};
}
}  // namespace

DrawingScale::DrawingScale(double scale) : previous_(std::exchange(g_scale, scale)) {}

DrawingScale::~DrawingScale() { g_scale = previous_; }

Image::Image(int width, int height, Color fill)
    : designWidth_(width),
      designHeight_(height),
      scale_(g_scale),
      width_(scaled(width, g_scale)),
      height_(scaled(height, g_scale)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void Image::blend(int x, int y, Color c, double coverage) {
    const double sa = clamp01(c.a * coverage);
    if (sa <= 0) return;
    Color& d = at(x, y);
    const double da = d.a * (1 - sa);
    const double oa = sa + da;
    d = {(c.r * sa + d.r * da) / oa, (c.g * sa + d.g * da) / oa, (c.b * sa + d.b * da) / oa, oa};
}

void fill(Image& image, const Shape& shape, const Paint& paint, double opacity) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Point centre = designPoint(image, x, y);
            const double coverage = clamp01(0.5 - shape(centre) * image.scale());
            if (coverage > 0) image.blend(x, y, paint(centre), coverage * opacity);
        }
    }
}

void fill(Image& image, const Shape& shape, Color color, double opacity) {
    fill(image, shape, solid(color), opacity);
}

void shadow(Image& image, const Shape& shape, double sigma, double dx, double dy, Color color) {
    const int w = image.width();
    const int h = image.height();
    std::vector<double> mask(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Point p = designPoint(image, x, y);
            mask[static_cast<std::size_t>(y) * w + x] =
                clamp01(0.5 - shape({p.x - dx, p.y - dy}) * image.scale());
        }
    }
    sigma *= image.scale();
    const int reach = static_cast<int>(std::ceil(sigma * 3));
    std::vector<double> kernel(2 * reach + 1);
    double sum = 0;
    for (int i = -reach; i <= reach; ++i) {
        kernel[i + reach] = std::exp(-(i * i) / (2 * sigma * sigma));
        sum += kernel[i + reach];
    }
    for (double& k : kernel) k /= sum;
    // Separable blur; samples beyond the picture count as empty.
    auto pass = [&](bool horizontal) {
        std::vector<double> out(mask.size());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double acc = 0;
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = horizontal ? x + i : x;
                    const int sy = horizontal ? y : y + i;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                    acc += kernel[i + reach] * mask[static_cast<std::size_t>(sy) * w + sx];
                }
                out[static_cast<std::size_t>(y) * w + x] = acc;
            }
        }
        mask = std::move(out);
    };
    pass(true);
    pass(false);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.blend(x, y, color, mask[static_cast<std::size_t>(y) * w + x]);
    }
}

void composite(Image& dst, const Image& src, int designDx, int designDy, double opacity) {
    const int dx = scaled(designDx, dst.scale());
    const int dy = scaled(designDy, dst.scale());
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const int tx = x + dx;
            const int ty = y + dy;
            if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
            dst.blend(tx, ty, src.at(x, y), opacity);
        }
    }
}

void fadeAlpha(Image& image, const std::function<double(Point)>& mask) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.at(x, y).a *= clamp01(mask(designPoint(image, x, y)));
    }
}

void stretchCopy(Image& dst, int dx, int dy, int dw, int dh, const Image& src, int sx, int sy,
                 int sw, int sh) {
    for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
            const int px = sx + x * sw / dw;
            const int py = sy + y * sh / dh;
            const int tx = dx + x;
            const int ty = dy + y;
            if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
            dst.at(tx, ty) = src.at(px, py);
        }
    }
}

}  // namespace dusk::pictures
