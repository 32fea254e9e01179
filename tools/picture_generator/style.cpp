#include "style.h"

#include <cmath>

namespace dusk::pictures {

double facing(const Shape& shape, Point p) {
    constexpr double h = 0.25;
    const double nx = shape({p.x + h, p.y}) - shape({p.x - h, p.y});
    const double ny = shape({p.x, p.y + h}) - shape({p.x, p.y - h});
    const double len = std::hypot(nx, ny);
    if (len == 0) return 0;
    // The outward normal against the direction towards the light, up and a little left.
    const double lx = -0.447;
    const double ly = -0.894;
    return (nx * lx + ny * ly) / len;
}

void bevel(Image& image, const Shape& shape, const Paint& base, double light, double shade,
           double inset) {
    const Shape rim = outline(grow(shape, -(inset + 0.5)), 0.5);
    fill(image, rim, [&](Point p) {
        const double f = facing(shape, p);
        const Color c = base(p);
        return f >= 0 ? lighten(c, light * f) : darken(c, shade * -f);
    });
}

}  // namespace dusk::pictures
