#include "emblem.h"

#include <cmath>
#include <numbers>

#include "skins.h"
#include "style.h"

namespace dusk::pictures {

void drawEmblem(Image& image, Point c, double r, const EmblemStyle& style) {
    const Shape disc = circle(c, r);
    if (style.glow > 0) {
        shadow(image, disc, r * 0.12, 0, 0, withAlpha(kAccent, style.glow));
    }
    // Evening sky: night blue at the top through violet to the afterglow at the horizon.
    const Paint sky = vertical({{c.y - r, fromRgb(0x1F2A66)},
                                {c.y + 0.05 * r, fromRgb(0x5B3C8C)},
                                {c.y + 0.62 * r, fromRgb(0xE0704A)},
                                {c.y + r, fromRgb(0xFFB257)}});
    fill(image, disc, sky);
    if (r >= 10) bevel(image, disc, sky, 0.35, 0.15, r * 0.04);
    if (style.moon) {
        const Point m{c.x + 0.55 * r, c.y - 0.50 * r};
        const Shape moon =
            subtract(circle(m, 0.16 * r), circle({m.x + 0.08 * r, m.y - 0.05 * r}, 0.135 * r));
        fill(image, moon, fromRgb(0xFFE9B8), 0.95);
        for (const Point star :
             {Point{c.x - 0.55 * r, c.y - 0.42 * r}, Point{c.x - 0.30 * r, c.y - 0.68 * r}}) {
            fill(image, circle(star, std::max(0.45, 0.025 * r)), fromRgb(0xFFF4DA), 0.8);
        }
    }
    // The power symbol: an open ring with a bar through its gap; bolder when small.
    const double w = std::max(1.0, r * 0.085);
    const Point ring{c.x, c.y + 0.08 * r};
    const Shape symbol = unite(arc(ring, 0.41 * r, w, -std::numbers::pi / 2, 1.3),
                               capsule({c.x, c.y - 0.46 * r}, {c.x, c.y + 0.04 * r}, w));
    const Color white = mix(fromRgb(0xF3B27A), kWhite, style.symbolLight);
    if (r >= 10) fill(image, translate(symbol, 0, r * 0.04), withAlpha(fromRgb(0x1A1030), 0.35));
    fill(image, symbol,
         vertical(c.y - 0.5 * r, white, c.y + 0.5 * r, mix(white, fromRgb(0xFFE2C0), 0.5)));
    fill(image, outline(grow(disc, -0.5), 0.5), withAlpha(fromRgb(0x141A40), 0.55));
}

}  // namespace dusk::pictures
