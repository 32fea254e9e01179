// Frame bitmaps (a 20 x 20 miniature of a window, sliced by the frame painter) and the
// corner pictures drawn over the main window's top right.
#include <cmath>
#include <string>

#include "families.h"
#include "skins.h"
#include "style.h"

namespace dusk::pictures {
namespace {

constexpr int kTitleRows = 15;  // rows 0-14 become the title band

Paint titleGradient(Color base) {
    return vertical({{0, lighten(base, 0.30)}, {2, lighten(base, 0.22)}, {kTitleRows, base}});
}

Color borderOf(const Skin& skin) { return darken(skin.window, skin.dark ? 0.55 : 0.42); }

Image frameBitmap(const Skin& skin) {
    const Color base = skin.window;
    const Color border = borderOf(skin);
    // Outside the rounded corners: halfway to the border, so the corners read as rounded on
    // any desktop.
    Image image(20, 20, mix(border, base, 0.35));
    const Shape body = roundRect({0, 0, 20, 20}, Radii{5, 5, 3, 3});
    fill(image, body, titleGradient(base));
    bevel(image, body, titleGradient(base), skin.dark ? 0.30 : 0.50, 0.14);
    fill(image, outline(grow(body, -0.5), 0.5), border);
    return image;
}

// Soft light rising from the top right, like the last glow of the day, with a few arcs.
Image cornerPicture(const Skin& skin) {
    const Color light = lighten(skin.window, skin.dark ? 0.55 : 0.75);
    Image image(230, 150, withAlpha(light, 0));
    const Point sun{214, -18};
    fill(image, rect({0, 0, 230, 150}),
         radial(sun, 150, withAlpha(light, skin.dark ? 0.30 : 0.34), withAlpha(light, 0)));
    for (int i = 0; i < 4; ++i) {
        const double r = 62 + i * 34;
        const double opacity = 0.30 - i * 0.055;
        fill(image, outline(circle(sun, r), 0.6 + 0.2 * i), withAlpha(light, opacity));
    }
    // A crescent moon low in the glow.
    const Shape moon = subtract(circle({122, 31}, 7), circle({126, 28}, 6));
    fill(image, moon, withAlpha(kWhite, 0.55));
    // Fade out towards the left and the bottom, and keep off the frame's outer pixels.
    fadeAlpha(image, [](Point p) {
        const double left = clamp01((p.x - 4) / 70);
        const double bottom = clamp01((120 - p.y) / 70);
        const double edges = (p.y < 1 || p.x > 225) ? 0 : 1;
        return left * bottom * edges;
    });
    return image;
}

}  // namespace

void drawFrames(PictureSink& sink) {
    for (const Skin& skin : kSkins) {
        sink.add("imgBK" + std::string(skin.name), frameBitmap(skin));
    }
    for (const Skin& skin : kSkins) {
        sink.add("imgBK" + std::string(skin.name) + "2", cornerPicture(skin));
    }
}

}  // namespace dusk::pictures
