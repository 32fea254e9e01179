// The notification-area icon pictures and the popup menu's check marks.
#include <string>

#include "emblem.h"
#include "families.h"
#include "skins.h"

namespace dusk::pictures {
namespace {

// 0 no task, 1 task set (a green clock badge), 2 task cancelled (a grey cross badge).
Image trayIcon(int index) {
    Image image(16, 16, withAlpha(fromRgb(0x5B3C8C), 0));
    drawEmblem(image, {8, 8}, 7.5, {.moon = false});
    if (index == 0) return image;
    const Point b{12, 12};
    const Shape badge = circle(b, 3.9);
    fill(image, grow(badge, 0.9), withAlpha(kWhite, 0.95));
    if (index == 1) {
        fill(image, badge, vertical(8, fromRgb(0x6FD36B), 16, fromRgb(0x2A9A34)));
        fill(image, unite(capsule({b.x, b.y - 2.4}, b, 0.65), capsule(b, {b.x + 1.8, b.y}, 0.65)),
             kWhite);
    } else {
        fill(image, badge, vertical(8, fromRgb(0xA7A7A7), 16, fromRgb(0x6C6C6C)));
        fill(image,
             unite(capsule({b.x - 1.6, b.y - 1.6}, {b.x + 1.6, b.y + 1.6}, 0.55),
                   capsule({b.x - 1.6, b.y + 1.6}, {b.x + 1.6, b.y - 1.6}, 0.55)),
             kWhite);
    }
    return image;
}

Image menuCheck(Color ink) {
    Image image(12, 12, withAlpha(ink, 0));
    fill(image, stroke({{2.6, 6.2}, {5, 8.6}, {9.6, 3.4}}, 1.0), ink);
    return image;
}

}  // namespace

void drawMenuAndTrayPictures(PictureSink& sink) {
    for (int i = 0; i < 3; ++i) sink.add("ImageList2_" + std::to_string(i), trayIcon(i));
    // Palette slots 1 to 5: green, red, yellow, blue, black.
    const char* bySlot[] = {"Green", "Red", "Yellow", "Blue", "Black"};
    for (int slot = 1; slot <= 5; ++slot) {
        for (const Skin& skin : kSkins) {
            if (skin.name == bySlot[slot - 1]) {
                sink.add("LwVclPopupMenuPicList2_Pic" + std::to_string(slot),
                         menuCheck(skin.dark ? fromRgb(0x303030) : darken(skin.window, 0.2)));
            }
        }
    }
}

}  // namespace dusk::pictures
