// The 16 x 16 pictures on the Start Task and Cancel Task buttons.
#include "families.h"
#include "style.h"

namespace dusk::pictures {
namespace {

Image badge(Color light, Color dark, const Shape& symbol) {
    Image image(16, 16, withAlpha(dark, 0));
    const Shape disc = circle({8, 8}, 7.4);
    fill(image, translate(disc, 0, 0.6), withAlpha(kBlack, 0.18));
    const Paint paint = vertical(1, light, 15, dark);
    fill(image, disc, paint);
    fill(image, outline(grow(disc, -0.5), 0.5), darken(dark, 0.25));
    fill(image, translate(symbol, 0, 0.7), withAlpha(darken(dark, 0.5), 0.45));
    fill(image, symbol, kWhite);
    return image;
}

}  // namespace

void drawTaskSmallPictures(PictureSink& sink) {
    sink.add("task_start_small", badge(fromRgb(0x6FD36B), fromRgb(0x2A9A34),
                                       grow(polygon({{6.3, 4.9}, {11.4, 8}, {6.3, 11.1}}), 0.45)));
    sink.add("task_cancel_small", badge(fromRgb(0xF7776B), fromRgb(0xC9302A),
                                        unite(capsule({5.4, 5.4}, {10.6, 10.6}, 1.05),
                                              capsule({5.4, 10.6}, {10.6, 5.4}, 1.05))));
}

}  // namespace dusk::pictures
