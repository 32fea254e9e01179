// Further pictures of the main window: the content area's edge pictures, the box title bars,
// the skin selectors, the product picture and the picture beside the task summary.
#include <string>

#include "emblem.h"
#include "families.h"
#include "skins.h"
#include "style.h"

namespace dusk::pictures {
namespace {

// The content area is white with a grey line along its top and left (painted by the window);
// these 8 x 8 pieces continue the line down the right, along the bottom and round the two
// lower corners. Each piece is a window onto one white card whose outline lies in column or
// row 6 of the piece.
Image edgePiece(Rect card, Radii radii) {
    Image image(8, 8, withAlpha(kWhite, 0));
    const Shape shape = roundRect(card, radii);
    fill(image, shape, kWhite);
    fill(image, outline(grow(shape, -0.5), 0.5), fromRgb(0x666666));
    return image;
}

// Stretched to 254 x 19 and 327 x 21 behind the dark captions "Task" and "Time", so it only
// varies from top to bottom.
Image boxTitle(Color w, bool dark) {
    Image image(16, 16);
    const Color top = dark ? fromRgb(0xF4F4F4) : lighten(w, 0.90);
    const Color bottom = dark ? fromRgb(0xCFCFCF) : lighten(w, 0.62);
    fill(image, rect({0, 0, 16, 16}), vertical(0, top, 16, bottom));
    fill(image, rect({0, 0, 16, 1}), kWhite);
    fill(image, rect({0, 15, 16, 16}), dark ? fromRgb(0xB0B0B0) : lighten(w, 0.45));
    return image;
}

// A swatch of the skin's colour, shown as is in every state.
Image skinSelector(const Skin& skin) {
    Image image(14, 12, withAlpha(skin.window, 0));
    const Shape chip = roundRect({0, 0, 14, 12}, 3);
    const Paint paint = vertical(0, lighten(skin.window, 0.35), 12, skin.window);
    fill(image, chip, paint);
    bevel(image, chip, paint, 0.5, 0.1);
    fill(image, outline(grow(chip, -0.5), 0.5), withAlpha(kWhite, 0.85));
    return image;
}

// An hourglass with the sand running, beside the task summary.
Image hourglass() {
    Image image(26, 42, withAlpha(fromRgb(0x8A5A2B), 0));
    const Color wood = fromRgb(0x9A6634);
    const Shape glass = unite(polygon({{5, 6},
                                       {21, 6},
                                       {21, 9},
                                       {14.2, 20},
                                       {14.2, 22},
                                       {21, 33},
                                       {21, 36},
                                       {5, 36},
                                       {5, 33},
                                       {11.8, 22},
                                       {11.8, 20},
                                       {5, 9}}),
                              grow(rect({6, 7, 20, 35}), -5));
    fill(image, glass, fromRgb(0xE8F2FB));
    fill(image, outline(grow(glass, -0.5), 0.6), fromRgb(0x7E9BB8));
    const Shape sandTop = polygon({{8.5, 11.5}, {17.5, 11.5}, {13, 18.5}});
    const Shape sandBottom = polygon({{7.5, 33.5}, {18.5, 33.5}, {13, 27}});
    const Paint sand = vertical(10, lighten(kAccent, 0.3), 34, darken(kAccent, 0.05));
    fill(image, sandTop, sand);
    fill(image, sandBottom, sand);
    fill(image, capsule({13, 19}, {13, 28}, 0.55), sand);
    for (double y : {1.0, 36.0}) {
        const Shape cap = roundRect({1, y, 25, y + 5}, 2);
        const Paint p = vertical(y, lighten(wood, 0.35), y + 5, darken(wood, 0.15));
        fill(image, cap, p);
        fill(image, outline(grow(cap, -0.5), 0.5), darken(wood, 0.35));
    }
    return image;
}

}  // namespace

void drawMainWindowPictures(PictureSink& sink) {
    sink.add("imgBKWhiteRight", edgePiece({-20, -20, 7, 28}, Radii{}));
    sink.add("imgBKWhiteBottom", edgePiece({-20, -20, 28, 7}, Radii{}));
    sink.add("imgBKWhiteRightBottom", edgePiece({-20, -20, 7, 7}, Radii{0, 0, 6.5, 0}));
    sink.add("imgBKWhiteLeftBottom", edgePiece({0, -20, 28, 7}, Radii{0, 0, 0, 6.5}));
    // ImageList3 is indexed by the skin's box title number: Green, Red, Yellow, Blue, Black.
    const char* byIndex[] = {"Green", "Red", "Yellow", "Blue", "Black"};
    for (int i = 0; i < 5; ++i) {
        for (const Skin& skin : kSkins) {
            if (skin.name == byIndex[i])
                sink.add("ImageList3_" + std::to_string(i), boxTitle(skin.window, skin.dark));
        }
    }
    for (const Skin& skin : kSkins)
        sink.add("btnSkin" + std::string(skin.name), skinSelector(skin));
    Image product(64, 64, withAlpha(fromRgb(0x5B3C8C), 0));
    shadow(product, circle({32, 32}, 29), 1.5, 0, 1.5, withAlpha(kBlack, 0.30));
    drawEmblem(product, {32, 32}, 29, {});
    sink.add("main_product", product);
    sink.add("main_hourglass", hourglass());
}

}  // namespace dusk::pictures
